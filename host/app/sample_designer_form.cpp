// The sample designer form.
#include "host/app/sample_designer_form.h"

#include <stdexcept>

#include "host/framework/services/file_replacement.h"

namespace crv {

std::string_view samplePurchaseOrderForm() {
  return R"form(CRVREPORT 1
# The standard purchase-order form drawn in the report designer. Each order
# starts on a new page numbered from 1; lines print in the PODetail band,
# text lines in the TextLine band.
type "PrintPurchaseOrder"
name "Purchase Order"
page paper=Letter orientation=Portrait left=36 top=36 right=36 bottom=36
data order="" filter=""

band Form
  text x=340 y=0 width=200 text="PURCHASE ORDER" font="DejaVu Sans" size=16 bold=1 align=Right
  text x=340 y=36 width=80 text="ISSUE DATE:" font="DejaVu Sans" size=8 bold=1
  text x=0 y=76 width=100 text="VENDOR" font="DejaVu Sans" size=8 bold=1
  text x=280 y=76 width=100 text="SHIP TO" font="DejaVu Sans" size=8 bold=1
  text x=0 y=140 width=80 text="VENDOR PHONE:" font="DejaVu Sans" size=7 bold=1
  text x=280 y=140 width=80 text="VENDOR FAX:" font="DejaVu Sans" size=7 bold=1
  box x=0 y=156 width=540 height=56 thickness=0.75
  line x=0 y=184 x2=540 y2=184 thickness=0.5
  text x=3 y=158 width=100 text="PURCH. AGENT" font="DejaVu Sans" size=6 bold=1
  text x=111 y=158 width=100 text="CONTACT" font="DejaVu Sans" size=6 bold=1
  text x=219 y=158 width=100 text="DELIVERY DATE" font="DejaVu Sans" size=6 bold=1
  text x=327 y=158 width=100 text="SHIP VIA" font="DejaVu Sans" size=6 bold=1
  text x=435 y=158 width=100 text="F.O.B." font="DejaVu Sans" size=6 bold=1
  text x=3 y=186 width=100 text="INSTRUCTIONS" font="DejaVu Sans" size=6 bold=1
  text x=219 y=186 width=100 text="PROJECT" font="DejaVu Sans" size=6 bold=1
  text x=381 y=186 width=50 text="JOB #" font="DejaVu Sans" size=6 bold=1
  text x=435 y=186 width=100 text="TERMS" font="DejaVu Sans" size=6 bold=1
  box x=0 y=216 width=540 height=16 thickness=0.75 fill=#e6e6e6
  text x=2 y=220 width=58 text="ITEM" font="DejaVu Sans" size=7 bold=1
  text x=62 y=220 width=50 text="QUANTITY" font="DejaVu Sans" size=7 bold=1 align=Right
  text x=116 y=220 width=184 text="MATERIALS AND/OR SERVICES TO BE FURNISHED" font="DejaVu Sans" size=6 bold=1
  text x=302 y=220 width=60 text="VENDOR CAT.#" font="DejaVu Sans" size=6 bold=1
  text x=364 y=220 width=32 text="UNIT" font="DejaVu Sans" size=7 bold=1
  text x=470 y=220 width=68 text="AMOUNT" font="DejaVu Sans" size=7 bold=1 align=Right
  text x=0 y=640 width=270 text="By_________________________________  Date_____________" font="DejaVu Sans" size=8
  text x=280 y=640 width=260 text="By_________________________________  Date_____________" font="DejaVu Sans" size=8
end

band PageHeader height=236
  field x=0 y=0 width=280 name="CompanyName" picture="@s50" font="DejaVu Sans" size=11 bold=1
  field x=0 y=14 width=280 name="CompanyLine1" picture="@s50" font="DejaVu Sans" size=8
  field x=0 y=25 width=280 name="CompanyLine2" picture="@s50" font="DejaVu Sans" size=8
  field x=0 y=36 width=280 name="CompanyLine3" picture="@s50" font="DejaVu Sans" size=8
  field x=0 y=47 width=280 name="CompanyLine4" picture="@s50" font="DejaVu Sans" size=8
  text x=380 y=22 width=80 text="NUMBER:" font="DejaVu Sans" size=10 bold=1 align=Right
  field x=462 y=22 width=78 name="POP:PONumber" picture="@s15" font="DejaVu Sans" size=10 bold=1
  field x=420 y=36 width=120 name="POP:IssueDate" picture="@d1B" font="DejaVu Sans" size=8 align=Right
  field x=0 y=88 width=270 name="APV:VendorName" picture="@s50" font="DejaVu Sans" size=9 bold=1
  field x=0 y=100 width=270 name="POP:VendorLine1" picture="@s50" font="DejaVu Sans" size=8
  field x=0 y=111 width=270 name="POP:VendorLine2" picture="@s50" font="DejaVu Sans" size=8
  field x=0 y=122 width=270 name="POP:VendorLine3" picture="@s50" font="DejaVu Sans" size=8
  field x=280 y=88 width=260 name="POP:ShipToName" picture="@s30" font="DejaVu Sans" size=9 bold=1
  field x=280 y=100 width=260 name="POP:ShipToLine1" picture="@s50" font="DejaVu Sans" size=8
  field x=280 y=111 width=260 name="POP:ShipToLine2" picture="@s50" font="DejaVu Sans" size=8
  field x=280 y=122 width=260 name="POP:ShipToLine3" picture="@s50" font="DejaVu Sans" size=8
  field x=70 y=140 width=100 name="APV:Phone" picture="@s14" font="DejaVu Sans" size=7
  field x=340 y=140 width=100 name="APV:Fax" picture="@s14" font="DejaVu Sans" size=7
  field x=3 y=168 width=102 name="POP:PreparedBy" picture="@s20" font="DejaVu Sans" size=7
  field x=111 y=168 width=102 name="POP:ShipToContact" picture="@s40" font="DejaVu Sans" size=7
  field x=219 y=168 width=102 name="POP:DeliveryDate" picture="@d01b" font="DejaVu Sans" size=7
  field x=327 y=168 width=102 name="POP:ShipVia" picture="@s20" font="DejaVu Sans" size=7
  field x=435 y=168 width=102 name="POP:FOB" picture="@s20" font="DejaVu Sans" size=7
  field x=3 y=196 width=212 name="POP:ShipToInstructions" picture="@s50" font="DejaVu Sans" size=7
  field x=219 y=196 width=160 name="JCH:JobName" picture="@s50" font="DejaVu Sans" size=7
  field x=381 y=196 width=52 name="POP:DefaultJob" picture="@s10" font="DejaVu Sans" size=7
  field x=435 y=196 width=102 name="POP:Terms" picture="@s20" font="DejaVu Sans" size=7
end

band Header name="Order" height=0 new-page=1 restart-numbers=1
end

band Detail name="PODetail" height=13 when="POD:TextFlag<>1"
  field x=2 y=2 width=58 name="POD:ItemID" picture="@s15" font="DejaVu Sans" size=7
  field x=62 y=2 width=50 name="POD:QtyOrdered" picture="@n-12.4B" font="DejaVu Sans" size=7 align=Right
  field x=116 y=2 width=184 name="POD:Description" picture="@s200" font="DejaVu Sans" size=7 wrap=1
  field x=302 y=2 width=60 name="POD:VendorCatalogID" picture="@s20" font="DejaVu Sans" size=7
  field x=364 y=2 width=32 name="POD:UnitName" picture="@s8" font="DejaVu Sans" size=7
  field x=398 y=2 width=70 name="POD:UnitPrice" picture="@n-15.4" font="DejaVu Sans" size=7 align=Right
  field x=470 y=2 width=68 name="POD:TotalAmount" picture="@n-15.2" font="DejaVu Sans" size=7 align=Right
end

band Detail name="TextLine" height=13 when="POD:TextFlag=1"
  field x=116 y=2 width=350 name="POD:Text" picture="@s1000" font="DejaVu Sans" size=7 wrap=1
end

band Footer name="Totals" height=62
  line x=300 y=3 x2=540 y2=3 thickness=0.5
  text x=300 y=8 width=110 text="Subtotal:" font="DejaVu Sans" size=8
  field x=420 y=8 width=118 name="POP:PreTaxAmount" picture="@n-17.2b" font="DejaVu Sans" size=8 align=Right
  text x=300 y=20 width=40 text="Tax (" font="DejaVu Sans" size=8
  field x=318 y=20 width=40 name="POP:TaxRate" picture="@n-8.3" font="DejaVu Sans" size=8 align=Right
  text x=360 y=20 width=40 text="%):" font="DejaVu Sans" size=8
  field x=420 y=20 width=118 name="POP:TaxAmount" picture="@n-17.2b" font="DejaVu Sans" size=8 align=Right
  text x=300 y=46 width=110 text="TOTAL SUM OF" font="DejaVu Sans" size=9 bold=1
  field x=420 y=46 width=118 name="POP:POAmount" picture="@n-17.2b" font="DejaVu Sans" size=9 bold=1 align=Right
end

band PageFooter height=100
  field x=0 y=84 width=220 name="CompanyName" picture="@s50" font="DejaVu Sans" size=7 italic=1
  field x=220 y=84 width=220 name="APV:VendorName" picture="@s50" font="DejaVu Sans" size=7
  pagenumber x=440 y=84 width=100 text="Page {page} of {pages}" font="DejaVu Sans" size=7 align=Right
end
)form";
}

void writeSamplePurchaseOrderForm(const std::filesystem::path& file) {
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  const std::string failure = replaceFile(file, samplePurchaseOrderForm());
  if (!failure.empty())
    throw std::runtime_error("The sample designer form cannot be written to " + file.string() + ": " +
                             failure);
}

}  // namespace crv
