// The suite-wide tables: contacts, notes, attachments, drop-down values,
// the activity and e-mail logs, saved-limit lists and favourites, company
// settings, users and control settings.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// People at a vendor, with the e-mail addresses orders are sent to.
struct ContactRecord final : Record {
  Id ContactID{};
  Id VendorID{};
  Text<20> FirstName;
  Text<20> LastName;
  Text<30> Title;
  Text<60> Email;
  Text<20> Phone;
  Text<20> Mobile;

  static constexpr KeyDef KeyContactID{"KeyContactID", {"ContactID"}, true};
  static constexpr KeyDef KeyVendorID{"KeyVendorID", {"VendorID", "LastName", "FirstName"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Dated notes hung on any record, and stored texts, by owner type
// (Filename) and owner identifier as text (EntityID).
// "Date", "Time" and "Text" are also field names: the types are qualified.
struct NotesRecord final : Record {
  Id NoteID{};
  crv::Text<10> Filename;
  crv::Text<20> EntityID;
  crv::Date Date;
  crv::Time Time;
  crv::Text<3> UserID;
  crv::Text<20> Heading;
  crv::Text<1000> Note;
  crv::Text<1000> Text;  // a stored text offered for order text lines

  static constexpr KeyDef KeyNoteID{"KeyNoteID", {"NoteID"}, true};
  static constexpr KeyDef KeyEntityID{"KeyEntityID", {"EntityID", "Filename", "Date"}};
  static constexpr KeyDef KeyFilename{"KeyFilename", {"Filename", "Heading"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Files attached to any record, by owner type and identifier; also the
// company logos (Type "POLogo" or "UniversalLogo", NumericID 1).
struct ImagesRecord final : Record {
  Id ImageID{};
  Text<15> Type;
  Id NumericID{};
  Text<20> TextID;  // owner identifier of owners keyed by text
  Text<50> Caption;
  Text<10> ImageType;
  Text<250> FileName;
  Text<250> StoredName;  // the copy in the image store
  Date FileDate;
  Time FileTime;
  Text<1> Placement;  // logo: C, L, B or N
  std::uint16_t ScalePercent{};

  static constexpr KeyDef KeyImageID{"KeyImageID", {"ImageID"}, true};
  static constexpr KeyDef KeyTypeNumericID{"KeyTypeNumericID", {"Type", "NumericID"}};
  static constexpr KeyDef KeyTypeTextID{"KeyTypeTextID", {"Type", "TextID"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Values offered by drop-down lists, by list name.
struct DropListRecord final : Record {
  Id RecordID{};
  Text<20> FieldName;
  Text<50> FieldValue;
  Text<3> UserID;
  Date DateAdded;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyFieldName{"KeyFieldName", {"FieldName"}};
  static constexpr KeyDef KeyFieldValue{"KeyFieldValue", {"FieldName", "FieldValue"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// User activity log.
// "Date" and "Time" are also field names: the types are qualified.
struct UserLogRecord final : Record {
  Id LogID{};
  crv::Text<3> UserID;
  crv::Date Date;
  crv::Time Time;
  crv::Text<40> Module;
  crv::Text<100> Activity;

  static constexpr KeyDef KeyLogID{"KeyLogID", {"LogID"}, true};
  static constexpr KeyDef KeyUserID{"KeyUserID", {"UserID", "Date", "Time"}};
  static constexpr KeyDef KeyDate{"KeyDate", {"Date", "Time"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// The values of "list" selections of saved limits: owner table, limit,
// list name, and a text or a numeric value.
struct LimListRecord final : Record {
  Id RecordID{};
  Text<10> Owner;
  Id LimitID{};
  Text<20> ListName;
  Text<30> TextValue;
  Id NumericValue{};

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeyString{"KeyString", {"Owner", "LimitID", "ListName", "TextValue"}};
  static constexpr KeyDef KeyNumeric{"KeyNumeric", {"Owner", "LimitID", "ListName", "NumericValue"}};
  static constexpr KeyDef KeyLimit{"KeyLimit", {"Owner", "LimitID", "ListName"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// A user's favourite reports: saved limit sets remembered per user.
struct MemLimitRecord final : Record {
  Id MemLimitID{};
  Id LimitID{};
  Text<10> UserID;
  Text<12> Owner;
  Text<30> ReportName;
  Text<40> ReportTitle;

  static constexpr KeyDef KeyMemLimitID{"KeyMemLimitID", {"MemLimitID"}, true};
  static constexpr KeyDef KeyUserLimit{"KeyUserLimit", {"UserID", "Owner", "LimitID"}};
  static constexpr KeyDef KeyUserReport{"KeyUserReport", {"UserID", "ReportName", "ReportTitle"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Company settings: a single row.
struct SystemsRecord final : Record {
  Id SystemID{};
  Text<40> CompanyName;
  Text<40> Address1;
  Text<40> Address2;
  Text<20> City;
  Text<2> State;
  Text<10> Zip;
  Text<20> Phone;
  Text<20> Fax;
  Real DefaultTaxRate{};
  Flag AutoPONumber{};
  Flag POWarnDuplicateNumber{};
  Id NextPONumber{};
  Flag CanadianTax{};
  Real GSTRate{};
  Text<3> GSTLabel;
  Text<250> AttachmentPath;
  Text<11> PODefaultDetailType;
  Flag POShowAcceptDate{};
  Flag POShowDeliveryDate{};
  Flag POShowDeadlineDate{};
  Flag POShowPriorityVendors{};
  Flag POWarnOverBudget{};
  Flag POChangeOrders{};
  Flag PrintPhoneOnForms{};
  Flag UseUniversalLogo{};
  Text<10> POFormType;  // "Formwright" selects the designer form
  Text<250> PODesignerForm;
  Text<12> DefaultJobAccount;
  Text<12> DefaultEquipmentAccount;
  Byte JobIDLen{};
  Byte CostCodeLen{};
  // Layout of general-ledger account numbers: '#' is one character of the
  // number, anything else a separator written as it stands ("####-##").
  Text<12> AccountMask;
  // The parts of the suite the company uses; the host sets its switches
  // from them (host/data/company_switches.h).
  Flag NoJobCost{};            // 1 = no job cost: GENERIC
  Flag InventoryPurchasing{};  // INPURCHASE
  Flag EquipmentPurchasing{};  // EQPURCHASE
  Byte PurchaseLevel{};        // PURCHASELEVEL, 0 to 2
  Text<20> Country;            // COUNTRY: "Canada" gives GST and PST
  Text<100> ReportFooter;      // printed at the foot of the company's forms: ReportFooterMessage
  // How many times committed costs were rebuilt from the orders' lines: a
  // form that remembers what an order posted knows from it whether a
  // rebuild has counted the order's lines since.
  Id CommitmentsRebuilt{};

  static constexpr KeyDef KeySystemID{"KeySystemID", {"SystemID"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per user of the suite.
struct UserFileRecord final : Record {
  Text<3> UserID;
  Text<20> FirstName;
  Text<20> LastName;
  Text<60> Email;
  Text<500> EmailSignature;
  Flag EditPONumber{};  // 1 = may change an order's number
  Flag Active{};
  Byte SecurityLevel{};

  static constexpr KeyDef KeyUserID{"KeyUserID", {"UserID"}, true};
  static constexpr KeyDef KeyName{"KeyName", {"LastName", "FirstName"}, false, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// One row per e-mail sent from the suite.
// "Date" and "Time" are also field names: the types are qualified.
struct EmailLogRecord final : Record {
  Id EmailID{};
  crv::Date Date;
  crv::Time Time;
  crv::Text<3> UserID;
  crv::Text<40> Module;
  crv::Text<60> ToAddress;
  crv::Text<50> ToName;
  crv::Text<70> Subject;
  crv::Text<250> FileName;  // the attached file
  crv::Text<20> Status;

  static constexpr KeyDef KeyEmailID{"KeyEmailID", {"EmailID"}, true};
  static constexpr KeyDef KeyDate{"KeyDate", {"Date", "Time"}};
  static constexpr KeyDef KeyUserID{"KeyUserID", {"UserID", "Date", "Time"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Control settings of the suite, one row per section and setting.
struct ControlRecord final : Record {
  Id RecordID{};
  Text<30> Section;
  Text<40> Setting;
  Text<250> Value;
  Date ModifyDate;

  static constexpr KeyDef KeyRecordID{"KeyRecordID", {"RecordID"}, true};
  static constexpr KeyDef KeySetting{"KeySetting", {"Section", "Setting"}, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern ContactRecord CON;
extern NotesRecord NOTE;
extern ImagesRecord IMG;
extern DropListRecord DPL;
extern UserLogRecord USL;
extern LimListRecord LL;
extern MemLimitRecord ML;
extern SystemsRecord SYS;
extern UserFileRecord USR;
extern EmailLogRecord EML;
extern ControlRecord CTRL;

extern Table Contact;
extern Table Notes;
extern Table Images;
extern Table DropList;
extern Table UserLog;
extern Table LimList;
extern Table MemLimit;
extern Table Systems;
extern Table UserFile;
extern Table EmailLog;
extern Table Control;

}  // namespace crv
