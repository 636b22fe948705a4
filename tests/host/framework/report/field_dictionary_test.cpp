// The field dictionary's text form: tables, fields and own values in the
// "|"-separated layout the runtime reads, labels made from field names, and
// text that is not a dictionary refused.
#include "host/framework/report/field_dictionary.h"

#include <gtest/gtest.h>

namespace crv {
namespace {

TEST(FieldDictionary, TextFormAndBack) {
  FieldDictionary dictionary;
  dictionary.reportType = "PrintPurchaseOrder";
  DictionaryTable batch{"POPrint", DictionaryTableKind::Primary, {{"User ID", "POP:UserID", "@s3", 2}}};
  DictionaryTable lines{"PODetail", DictionaryTableKind::Child, {{"Text", "POD:Text", "@s1000", 3}}};
  DictionaryTable vendor{
      "APVendor", DictionaryTableKind::Lookup, {{"Vendor Name", "APV:VendorName", "@s50", 3}}};
  dictionary.tables = {batch, lines, vendor};
  dictionary.data = {{"Company Name", "CompanyName", "@s50", 2}};

  const std::string text = dictionary.text();
  EXPECT_EQ(text,
            "@ProcessedFiles|1|0|PrintPurchaseOrder|"
            "\"POPrint\"|2|-1|POPrint|User ID|5|2|POP:UserID|@s3|"
            "\"PODetail\"|4|-2|PODetail|Text|5|3|POD:Text|@s1000|"
            "\"APVendor\"|3|-2|APVendor|Vendor Name|5|3|APV:VendorName|@s50|"
            "@Data|2|-1|Company Name|5|2|CompanyName|@s50|@Others|1|0|");
  const auto parsed = FieldDictionary::parse(text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->text(), text);
  ASSERT_NE(parsed->find("POD:Text"), nullptr);
  EXPECT_EQ(parsed->find("POD:Text")->picture, "@s1000");
  EXPECT_EQ(parsed->tables[2].kind, DictionaryTableKind::Lookup);

  for (const char* broken : {"", "@ProcessedFiles|1|0|", "@ProcessedFiles|1|0|X|Label|5|2|A|@s1|",
                             "@ProcessedFiles|1|0|X|\"T\"|9|-1|T|@Others|1|0|",
                             "@ProcessedFiles|1|0|X|\"T\"|2|-1|T|Label|5|2|A|@s1|"})
    EXPECT_FALSE(FieldDictionary::parse(broken)) << broken;
}

TEST(FieldDictionary, LabelsAndPicturesComeFromTheFields) {
  const struct {
    const char* name;
    const char* label;
  } labels[] = {{"ShipToName", "Ship To Name"},
                {"POID", "POID"},
                {"UD1", "UD1"},
                {"VendorCatalogID", "Vendor Catalog ID"},
                {"APTaxRate", "AP Tax Rate"},
                {"Text", "Text"}};
  for (const auto& l : labels) EXPECT_EQ(fieldLabel(l.name), l.label);

  EXPECT_EQ(defaultPicture(FieldDef{"A", FieldKind::Text, 15, 0}), "@s15");
  EXPECT_EQ(defaultPicture(FieldDef{"A", FieldKind::Amount, 0, 0}), "@n-15.2");
  EXPECT_EQ(defaultPicture(FieldDef{"A", FieldKind::Date, 0, 0}), "@d1");
}

}  // namespace
}  // namespace crv
