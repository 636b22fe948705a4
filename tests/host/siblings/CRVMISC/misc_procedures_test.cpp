// The shared procedures of CRVMISC: stored texts by owner, account numbers
// put into the company's mask, the text-case preference kept per user and
// field, the values of a drop-down list, and envelopes and labels.
#include <gtest/gtest.h>

#include <string>

#include "host/data/tables/suite_tables.h"
#include "host/siblings/CRVMISC/account_mask.h"
#include "host/siblings/CRVMISC/browse_envelope.h"
#include "host/siblings/CRVMISC/browse_text.h"
#include "host/siblings/CRVMISC/edit_account_num.h"
#include "host/siblings/CRVMISC/get_case.h"
#include "host/siblings/CRVMISC/text_case.h"
#include "host/siblings/CRVMISC/update_drop_list.h"
#include "host/siblings/demo_lookup_test.h"

namespace crv::test {
namespace {

using siblings::AccountMask;
using siblings::TextCase;
using ui::HeadlessDriver;

class MiscProcedures : public DemoLookupTest {};

TEST_F(MiscProcedures, StoredTextsAreThoseOfTheOwnerInReportFilter) {
  REPORTFILTER = "PODetail";
  HeadlessDriver person;
  choose(person, BrowseText, "Select a Stored Text");
  const auto rows = person.rows("?Browse");
  ASSERT_EQ(rows.size(), 1u) << "the note on an order is not a stored text of order lines";
  EXPECT_EQ(rows[0].substr(0, 13), "Site delivery");
  person.press("?Select");
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(NOTE.Text, "Deliver to the north gate; the site is closed to deliveries after 3 PM.");

  REPORTFILTER = "";
  choose(person, BrowseText, "Select a Stored Text");
  EXPECT_TRUE(person.rows("?Browse").empty());
  person.press("?Close");
  EXPECT_EQ(person.response(), RequestCancelled);
}

TEST(AccountMaskTest, FillsTheMaskOrLeavesWhatItCannotPlace) {
  const AccountMask mask("####-##");
  EXPECT_EQ(mask.format("610000"), "6100-00");
  EXPECT_EQ(mask.format(" 6100.00 "), "6100-00") << "typed separators are replaced";
  EXPECT_EQ(mask.format("6100"), "6100-00") << "a whole group typed: the rest are zeros";
  EXPECT_EQ(mask.format("61"), "61") << "a part of a group is not guessed at";
  EXPECT_EQ(mask.format("6100-0"), "6100-0");
  EXPECT_EQ(mask.format("61000000"), "61000000") << "too long: not cut";
  EXPECT_EQ(mask.format("   "), "");
  EXPECT_EQ(AccountMask("##.###.##").format("1a2b3c4"), "1a.2b3.c4");
  EXPECT_EQ(AccountMask("").format(" 6100 "), "6100");
}

TEST_F(MiscProcedures, EditAccountNumPutsTheHandedOverNumberIntoTheCompanyMask) {
  EXPECT_EQ(siblings::companyAccountMask(), demo::accountMask);
  REPORTFILTER = "610000";
  EditAccountNum();
  EXPECT_EQ(REPORTFILTER, demo::suppliesAccount);
  EXPECT_EQ(GlobalResponse, RequestCompleted);
  REPORTFILTER = "61";
  EditAccountNum();
  EXPECT_EQ(REPORTFILTER, "61");
}

TEST(TextCaseTest, CasesChangeOnlyAsciiLettersAndCodesRoundTrip) {
  EXPECT_EQ(applyTextCase("PVC pipe, 2x4 o'neil", TextCase::Title), "Pvc Pipe, 2x4 O'neil");
  EXPECT_EQ(applyTextCase("THREE BAGS. mix 2.5 parts! ok", TextCase::Sentence),
            "Three bags. Mix 2.5 parts! Ok");
  EXPECT_EQ(applyTextCase("Müller bolts", TextCase::Upper), "MüLLER BOLTS");
  EXPECT_EQ(applyTextCase("Müller Bolts", TextCase::Lower), "müller bolts");
  EXPECT_EQ(applyTextCase("müller", TextCase::Title), "Müller");
  EXPECT_EQ(applyTextCase("As Typed", TextCase::AsTyped), "As Typed");
  for (TextCase c :
       {TextCase::AsTyped, TextCase::Upper, TextCase::Lower, TextCase::Title, TextCase::Sentence})
    EXPECT_EQ(siblings::textCaseFromCode(siblings::textCaseCode(c)), c);
  EXPECT_FALSE(siblings::textCaseFromCode("000").has_value());
}

// GetCase as a form calls it: the request in REPORTFILTER, the answer back
// in it.
std::string getCase(std::string_view request) {
  REPORTFILTER = request;
  GetCase();
  EXPECT_EQ(GlobalResponse, REPORTFILTER.empty() ? RequestCancelled : RequestCompleted);
  return REPORTFILTER.str();
}

TEST_F(MiscProcedures, GetCaseStoresTheCasePerUserAndFieldInTheCompany) {
  UserID = demo::purchasingAgent;
  EXPECT_EQ(getCase("000POD:Description"), "") << "nothing stored: the field keeps its own case";
  EXPECT_EQ(getCase("CAPPOD:Description"), "CAP");
  EXPECT_EQ(getCase("UPRPOD:VendorCatalogID"), "UPR");
  EXPECT_EQ(getCase("000POD:Description"), "CAP");
  EXPECT_EQ(getCase("XYZPOD:Description"), "") << "an unknown case is not stored";
  EXPECT_EQ(getCase("000"), "");

  UserID = demo::projectManager;
  EXPECT_EQ(getCase("000POD:Description"), "") << "another user's choice";

  company.reset();  // kept in the company, not in the process
  company = Company::open(folder->path());
  UserID = demo::purchasingAgent;
  EXPECT_EQ(getCase("000POD:Description"), "CAP");
  EXPECT_EQ(getCase("DEFPOD:Description"), "DEF");
  EXPECT_EQ(getCase("000POD:Description"), "DEF");
  EXPECT_EQ(getCase("000POD:VendorCatalogID"), "UPR");
  UserID = "";
}

TEST_F(MiscProcedures, ADropDownListKeepsEachValueOnceAndHandsTheChosenOneBack) {
  REPORTFILTER = "Test Crews";
  HeadlessDriver person;
  choose(person, UpdateDropList, "Select a Value");
  for (const char* crew : {"North crew", "South crew", "North crew"}) {
    person.type("?Value", crew);
    person.press("?Add");
  }
  EXPECT_EQ(person.rows("?Browse").size(), 2u);
  person.pick("?Browse", "North crew");
  person.press("?Delete");
  person.expectMessage("Confirm Delete", "Are you sure you want to delete \"North crew\" from the list?");
  person.answer("Yes");
  ASSERT_EQ(person.rows("?Browse").size(), 1u);
  person.press("?Select");
  person.expectFinished();
  EXPECT_EQ(person.response(), RequestCompleted);
  EXPECT_EQ(DPL.FieldValue, "South crew");
}

TEST_F(MiscProcedures, AnEnvelopeCarriesTheVendorsAddressAndOpensForPrinting) {
  GLO.TempPath = folder->path().string();
  REPORTFILTER = "APVendor  103";
  HeadlessDriver person;
  person.start([] { BrowseEnvelope(); }, "BrowseEnvelope");
  person.expectWindow("Envelopes and Labels");
  EXPECT_EQ(person.shown("?Address"), "Columbia Lumber Supply\n2200 NW Front Ave\nPortland, OR  97209");
  person.press("?Print");
  EXPECT_TRUE(std::filesystem::exists(folder->path() / "Envelope.pdf"));
  person.pick("?Kind", "Label");
  person.press("?Print");
  EXPECT_NE(person.transcriptText().find("Label.pdf"), std::string::npos);
  person.press("?Close");
  person.expectFinished();

  REPORTFILTER = "APVendor  999";
  person.start([] { BrowseEnvelope(); }, "BrowseEnvelope");
  EXPECT_TRUE(person.isDisabled("?Print"));
  person.press("?Close");
  person.expectFinished();
}

}  // namespace
}  // namespace crv::test
