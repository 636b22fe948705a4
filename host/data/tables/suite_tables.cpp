// Definitions of the suite-wide tables.
#include "host/data/tables/suite_tables.h"

namespace crv {

const RecordLayout& ContactRecord::layout() const { return layoutOf<ContactRecord>(); }

void ContactRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(ContactID) CRV_FIELD(VendorID) CRV_FIELD(FirstName) CRV_FIELD(LastName) CRV_FIELD(Title)
      CRV_FIELD(Email) CRV_FIELD(Phone) CRV_FIELD(Mobile);
}

void ContactRecord::define(TableDef& def) { def.autoNumber("ContactID").key(KeyContactID).key(KeyVendorID); }

const TableDef& ContactRecord::table() { return tableDefOf<ContactRecord>("Contact", "CON"); }

const RecordLayout& NotesRecord::layout() const { return layoutOf<NotesRecord>(); }

void NotesRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(NoteID) CRV_FIELD(Filename) CRV_FIELD(EntityID) CRV_FIELD(Date) CRV_FIELD(Time)
      CRV_FIELD(UserID) CRV_FIELD(Heading) CRV_FIELD(Note) CRV_FIELD(Text);
}

void NotesRecord::define(TableDef& def) {
  def.autoNumber("NoteID").key(KeyNoteID).key(KeyEntityID).key(KeyFilename);
}

const TableDef& NotesRecord::table() { return tableDefOf<NotesRecord>("Notes", "NOTE"); }

const RecordLayout& ImagesRecord::layout() const { return layoutOf<ImagesRecord>(); }

void ImagesRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(ImageID) CRV_FIELD(Type) CRV_FIELD(NumericID) CRV_FIELD(TextID) CRV_FIELD(Caption)
      CRV_FIELD(ImageType) CRV_FIELD(FileName) CRV_FIELD(StoredName) CRV_FIELD(FileDate) CRV_FIELD(FileTime)
          CRV_FIELD(Placement) CRV_FIELD(ScalePercent);
}

void ImagesRecord::define(TableDef& def) {
  def.autoNumber("ImageID").key(KeyImageID).key(KeyTypeNumericID).key(KeyTypeTextID);
}

const TableDef& ImagesRecord::table() { return tableDefOf<ImagesRecord>("Images", "IMG"); }

const RecordLayout& DropListRecord::layout() const { return layoutOf<DropListRecord>(); }

void DropListRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(FieldName) CRV_FIELD(FieldValue) CRV_FIELD(UserID) CRV_FIELD(DateAdded);
}

void DropListRecord::define(TableDef& def) {
  def.autoNumber("RecordID").key(KeyRecordID).key(KeyFieldName).key(KeyFieldValue);
}

const TableDef& DropListRecord::table() { return tableDefOf<DropListRecord>("DropList", "DPL"); }

const RecordLayout& UserLogRecord::layout() const { return layoutOf<UserLogRecord>(); }

void UserLogRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(LogID) CRV_FIELD(UserID) CRV_FIELD(Date) CRV_FIELD(Time) CRV_FIELD(Module) CRV_FIELD(Activity);
}

void UserLogRecord::define(TableDef& def) {
  def.autoNumber("LogID").key(KeyLogID).key(KeyUserID).key(KeyDate);
}

const TableDef& UserLogRecord::table() { return tableDefOf<UserLogRecord>("UserLog", "USL"); }

const RecordLayout& LimListRecord::layout() const { return layoutOf<LimListRecord>(); }

void LimListRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(Owner) CRV_FIELD(LimitID) CRV_FIELD(ListName) CRV_FIELD(TextValue)
      CRV_FIELD(NumericValue);
}

void LimListRecord::define(TableDef& def) {
  def.autoNumber("RecordID").key(KeyRecordID).key(KeyString).key(KeyNumeric).key(KeyLimit);
}

const TableDef& LimListRecord::table() { return tableDefOf<LimListRecord>("LimList", "LL"); }

const RecordLayout& MemLimitRecord::layout() const { return layoutOf<MemLimitRecord>(); }

void MemLimitRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(MemLimitID) CRV_FIELD(LimitID) CRV_FIELD(UserID) CRV_FIELD(Owner) CRV_FIELD(ReportName)
      CRV_FIELD(ReportTitle);
}

void MemLimitRecord::define(TableDef& def) {
  def.autoNumber("MemLimitID").key(KeyMemLimitID).key(KeyUserLimit).key(KeyUserReport);
}

const TableDef& MemLimitRecord::table() { return tableDefOf<MemLimitRecord>("MemLimit", "ML"); }

const RecordLayout& SystemsRecord::layout() const { return layoutOf<SystemsRecord>(); }

void SystemsRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(SystemID) CRV_FIELD(CompanyName) CRV_FIELD(Address1) CRV_FIELD(Address2) CRV_FIELD(City)
      CRV_FIELD(State) CRV_FIELD(Zip) CRV_FIELD(Phone) CRV_FIELD(Fax) CRV_FIELD(DefaultTaxRate)
          CRV_FIELD(AutoPONumber) CRV_FIELD(POWarnDuplicateNumber) CRV_FIELD(NextPONumber)
              CRV_FIELD(CanadianTax) CRV_FIELD(GSTRate) CRV_FIELD(GSTLabel) CRV_FIELD(AttachmentPath)
                  CRV_FIELD(PODefaultDetailType) CRV_FIELD(POShowAcceptDate) CRV_FIELD(POShowDeliveryDate)
                      CRV_FIELD(POShowDeadlineDate) CRV_FIELD(POShowPriorityVendors)
                          CRV_FIELD(POWarnOverBudget) CRV_FIELD(POChangeOrders) CRV_FIELD(PrintPhoneOnForms)
                              CRV_FIELD(UseUniversalLogo) CRV_FIELD(POFormType) CRV_FIELD(PODesignerForm)
                                  CRV_FIELD(DefaultJobAccount) CRV_FIELD(DefaultEquipmentAccount)
                                      CRV_FIELD(JobIDLen) CRV_FIELD(CostCodeLen) CRV_FIELD(AccountMask)
                                          CRV_FIELD(NoJobCost) CRV_FIELD(InventoryPurchasing)
                                              CRV_FIELD(EquipmentPurchasing) CRV_FIELD(PurchaseLevel)
                                                  CRV_FIELD(Country) CRV_FIELD(ReportFooter)
                                                      CRV_FIELD(CommitmentsRebuilt);
}

void SystemsRecord::define(TableDef& def) { def.autoNumber("SystemID").key(KeySystemID); }

const TableDef& SystemsRecord::table() { return tableDefOf<SystemsRecord>("Systems", "SYS"); }

const RecordLayout& UserFileRecord::layout() const { return layoutOf<UserFileRecord>(); }

void UserFileRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(UserID) CRV_FIELD(FirstName) CRV_FIELD(LastName) CRV_FIELD(Email) CRV_FIELD(EmailSignature)
      CRV_FIELD(EditPONumber) CRV_FIELD(Active) CRV_FIELD(SecurityLevel);
}

void UserFileRecord::define(TableDef& def) { def.key(KeyUserID).key(KeyName); }

const TableDef& UserFileRecord::table() { return tableDefOf<UserFileRecord>("UserFile", "USR"); }

const RecordLayout& EmailLogRecord::layout() const { return layoutOf<EmailLogRecord>(); }

void EmailLogRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(EmailID) CRV_FIELD(Date) CRV_FIELD(Time) CRV_FIELD(UserID) CRV_FIELD(Module)
      CRV_FIELD(ToAddress) CRV_FIELD(ToName) CRV_FIELD(Subject) CRV_FIELD(FileName) CRV_FIELD(Status);
}

void EmailLogRecord::define(TableDef& def) {
  def.autoNumber("EmailID").key(KeyEmailID).key(KeyDate).key(KeyUserID);
}

const TableDef& EmailLogRecord::table() { return tableDefOf<EmailLogRecord>("EmailLog", "EML"); }

const RecordLayout& ControlRecord::layout() const { return layoutOf<ControlRecord>(); }

void ControlRecord::describe(LayoutBuilder& b) const {
  b CRV_FIELD(RecordID) CRV_FIELD(Section) CRV_FIELD(Setting) CRV_FIELD(Value) CRV_FIELD(ModifyDate);
}

void ControlRecord::define(TableDef& def) { def.autoNumber("RecordID").key(KeyRecordID).key(KeySetting); }

const TableDef& ControlRecord::table() { return tableDefOf<ControlRecord>("Control", "CTRL"); }

ContactRecord CON;
NotesRecord NOTE;
ImagesRecord IMG;
DropListRecord DPL;
UserLogRecord USL;
LimListRecord LL;
MemLimitRecord ML;
SystemsRecord SYS;
UserFileRecord USR;
EmailLogRecord EML;
ControlRecord CTRL;

Table Contact(ContactRecord::table(), CON);
Table Notes(NotesRecord::table(), NOTE);
Table Images(ImagesRecord::table(), IMG);
Table DropList(DropListRecord::table(), DPL);
Table UserLog(UserLogRecord::table(), USL);
Table LimList(LimListRecord::table(), LL);
Table MemLimit(MemLimitRecord::table(), ML);
Table Systems(SystemsRecord::table(), SYS);
Table UserFile(UserFileRecord::table(), USR);
Table EmailLog(EmailLogRecord::table(), EML);
Table Control(ControlRecord::table(), CTRL);

namespace {
const TableRegistry::Entry registerContact(Contact);
const TableRegistry::Entry registerNotes(Notes);
const TableRegistry::Entry registerImages(Images);
const TableRegistry::Entry registerDropList(DropList);
const TableRegistry::Entry registerUserLog(UserLog);
const TableRegistry::Entry registerLimList(LimList);
const TableRegistry::Entry registerMemLimit(MemLimit);
const TableRegistry::Entry registerSystems(Systems);
const TableRegistry::Entry registerUserFile(UserFile);
const TableRegistry::Entry registerEmailLog(EmailLog);
const TableRegistry::Entry registerControl(Control);
}  // namespace

}  // namespace crv
