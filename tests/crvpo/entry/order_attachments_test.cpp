// Attachments and notes of an order: captions and file types, files
// attached by drop (each whole, commas and all) and by the file dialog,
// opened with the desktop's viewer, renamed and removed with their stored
// copies; notes added, tagged and printed.
#include <gtest/gtest.h>

#include <fstream>

#include "crvpo/entry/attachment_naming.h"
#include "host/siblings/CRVMISC/image_store.h"
#include "order_form_fixture.h"

namespace crvpo::test {
namespace {

using crv::ui::HeadlessDriver;

TEST(AttachmentNamingTest, TypesComeFromTheLettersAfterTheFileNamesLastDot) {
  struct Case {
    const char* path;
    const char* type;
  };
  const Case cases[] = {{"/home/jo/v1.2/quote.final.PDF", "PDF"},
                        {"C:\\scans\\site.jpeg", "Bitmap"},
                        {"/x/plan.tif", "Bitmap"},
                        {"/x/scope.docx", "DOC"},
                        {"/x/budget.xlsx", "XL"},
                        {"/x/page.html", "WebPage"},
                        {"/x/notes.txt", "TXT"},
                        {"/x/deck.pptx", "PPT"},
                        {"/x.d/README", "Other"}};
  for (const Case& c : cases) EXPECT_EQ(attachmentFileType(c.path), c.type) << c.path;

  crv::POMasterRecord order;
  order.VendorID = 103;
  EXPECT_EQ(attachmentCaption("/x/Quote, rev 2.pdf", "F", order, "Columbia Lumber Supply"),
            "Quote, rev 2.pdf");
  EXPECT_EQ(attachmentCaption("/x/q.pdf", "T", order, "Acme"), "Purchase Order from Vendor (103) Acme");
  order.PONumber = "1001";
  EXPECT_EQ(attachmentCaption("/x/q.pdf", "T", order, "Columbia Lumber Supply"),
            "Purchase Order #1001 from Vendor (103) Columbia Lu");  // 50 characters
}

class OrderAttachmentsTest : public OrderFormTest {
 protected:
  std::string file(const std::string& name) {
    const auto path = folder.path() / name;
    std::ofstream(path) << "contents of " << name;
    return path.string();
  }
  static std::size_t storedFiles() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(crv::siblings::imageStoreFolder()))
      ++count;
    return count;
  }
};

TEST_F(OrderAttachmentsTest, FilesAreAttachedOpenedRenamedAndRemoved) {
  const std::string quote = file("Quote, rev 2.pdf");
  const std::string drawing = file("drawing.tif");
  const std::string sheet = file("takeoff.xlsx");
  HeadlessDriver person;
  open(person, crv::ChangeRecord, crv::demo::openJobOrder);
  person.drop({quote});  // not on the Attachments tab: not taken
  EXPECT_FALSE(person.hasDialog());
  person.pick("?Tabs", "Attachments");
  person.drop({quote, drawing, sheet});
  person.expectMessage("Attach?", "Would you like to attach these files|to this Purchase Order?");
  person.answer("Yes");
  EXPECT_EQ(person.rows("?AttachmentList").size(), 3u);
  EXPECT_EQ(person.rows("?AttachmentList")[0].rfind("Quote, rev 2.pdf | ", 0), 0u);
  EXPECT_EQ(storedFiles(), 3u);

  person.press("?AttachAdd");
  person.answerFiles({file("a.txt"), file("b.doc")});
  EXPECT_EQ(person.rows("?AttachmentList").size(), 5u);

  person.pick("?AttachmentList", "Quote, rev 2.pdf");
  person.press("?AttachOpen");
  EXPECT_NE(person.transcriptText().find("open document \"" + quote + "\""), std::string::npos);
  person.press("?AttachChange");
  person.expectWindow("Changing an Attachment");
  person.type("?IMG:Caption", "Lumber quote");
  person.press("?OK");
  EXPECT_EQ(person.shown("?AttachmentList").rfind("Lumber quote | ", 0), 0u);
  person.press("?AttachDelete");
  person.expectWindow("Deleting an Attachment");
  person.press("?OK");
  person.expectMessage("Confirm Delete");
  person.answer("Yes");
  EXPECT_EQ(person.rows("?AttachmentList").size(), 4u);
  EXPECT_EQ(storedFiles(), 4u);

  // The original gone, the stored copy is opened.
  std::filesystem::remove(drawing);
  person.pick("?AttachmentList", "drawing.tif");
  person.press("?AttachOpen");
  EXPECT_NE(person.transcriptText().find("crvpo-attachment-"), std::string::npos);
  person.press("?OK");
  person.expectFinished();
}

TEST_F(OrderAttachmentsTest, NotesAreAddedTaggedAndPrinted) {
  HeadlessDriver person;
  open(person, crv::ChangeRecord, crv::demo::openJobOrder);
  person.pick("?Tabs", "Notes");
  EXPECT_TRUE(person.isDisabled("?NoteSend"));
  for (const char* heading : {"Call first", "Gate code"}) {
    person.press("?NoteAdd");
    person.expectWindow("Adding a Note");
    person.type("?NOTE:Heading", heading);
    person.type("?NOTE:Note", "Site office 555-0100");
    person.press("?OK");
  }
  ASSERT_EQ(person.rows("?NoteList").size(), 2u);
  EXPECT_FALSE(person.isDisabled("?NoteSend"));
  person.highlight("?NoteList", 0);
  person.press("?NoteTag");
  EXPECT_EQ(person.rows("?NoteList")[0].rfind("* | ", 0), 0u);
  EXPECT_EQ(crv::TAGQUE2.size(), 1u);
  person.press("?NoteTagAll");
  EXPECT_EQ(crv::TAGQUE2.size(), 2u);
  person.press("?NoteUntagAll");
  EXPECT_TRUE(crv::TAGQUE2.empty());
  person.press("?NotePrint");
  person.expectWindow("Print Notes");
  EXPECT_TRUE(person.isDisabled("?Which:Tagged"));
  person.press("?Print");
  EXPECT_NE(person.transcriptText().find("Notes.pdf"), std::string::npos);
  person.expectWindow("Changing a Purchase Order");
  person.press("?Cancel");
  person.expectFinished();
  EXPECT_EQ(rowsOf(order(crv::demo::openJobOrder).POID), 3 + 2);  // notes stay with an existing order
}

}  // namespace
}  // namespace crvpo::test
