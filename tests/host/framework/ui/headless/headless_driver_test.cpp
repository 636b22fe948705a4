// The headless driver as a test meets it: message box and file dialog
// answers, failures that carry the transcript, procedures that end badly or
// are stopped, and windows without a front end.
#include "host/framework/ui/headless/headless_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "host/framework/services/global_request.h"
#include "host/framework/table/table.h"
#include "host/framework/ui/window_manager.h"

namespace crv {
namespace {

using ui::Binding;
using ui::ButtonRole;
using ui::DriverError;
using ui::HeadlessDriver;
using ui::Level;

// A window with one button that asks a question and keeps the answer.
class Asking final : public ui::WindowManager {
 public:
  explicit Asking(int& answer) : WindowManager("Asking") {
    window().setTitle("Question");
    window().addField("Name:", "?LOC:Name", Binding::local(name_), "@s10");
    window().addButton("?Ask", "&Ask");
    window().addButton("?Close", "Close", ButtonRole::Close);
    onAccepted("?Ask", [&answer] {
      answer =
          message("Save the changes?|They cannot be undone.", "Save?", Icon::Question, "&Yes|&No|&Cancel", 3);
    });
  }

 private:
  std::string name_;
};

// A window whose button asks for files to attach, one or several.
class Attaching final : public ui::WindowManager {
 public:
  Attaching(bool several, std::vector<std::filesystem::path>& chosen) : WindowManager("Attaching") {
    window().setTitle("Attach");
    window().addButton("?Attach", "&Attach...");
    window().addButton("?Close", "Close", ButtonRole::Close);
    onAccepted("?Attach", [several, &chosen] {
      ui::FileDialogRequest request;
      request.title = "Attach Files";
      request.filter = "PDF Files|*.pdf|All Files|*.*";
      request.multiple = several;
      chosen = ui::frontEnd().openFiles(request);
    });
  }
};

std::string failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const DriverError& e) {
    EXPECT_NE(std::string(e.what()).find("--- transcript ---"), std::string::npos);
    return e.reason();
  }
  ADD_FAILURE() << "the driver did not fail";
  return {};
}

TEST(HeadlessDriverTest, AMessageBoxAnswersWithTheChosenButton) {
  int answer = 0;
  HeadlessDriver ui;
  ui.start([&answer] { Asking(answer).run(); });
  const std::pair<std::string, int> answers[] = {{"&Yes", 1}, {"No", 2}, {"&cancel", 3}};
  for (const auto& [caption, index] : answers) {
    ui.press("?Ask");
    const auto box = ui.expectMessage("Save?", "Save the changes?|They cannot be undone.");
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.defaultButton, 3);
    EXPECT_EQ(box.buttonCaptions(), (std::vector<std::string>{"&Yes", "&No", "&Cancel"}));
    ui.answer(caption);
    EXPECT_EQ(answer, index) << caption;
  }
  ui.press("?Ask");
  ui.answer(2);
  EXPECT_EQ(answer, 2);
  ui.press("?Ask");
  EXPECT_EQ(
      failureOf([&] { ui.answer("Maybe"); }),
      "cannot answer a message box \"Save?\" \"Save the changes?|They cannot be undone.\" with \"Maybe\": "
      "it offers &Yes|&No|&Cancel");
  EXPECT_EQ(failureOf([&] { ui.answer(4); }).substr(0, 23), "cannot answer a message");
  ui.answer("&Yes");
  ui.press("?Close");
  ui.expectFinished();
}

TEST(HeadlessDriverTest, AnOpenDialogShowsItsFiltersAndTakesSeveralFilesOnlyWhenAllowed) {
  std::vector<std::filesystem::path> chosen;
  HeadlessDriver several;
  several.start([&chosen] { Attaching(true, chosen).run(); });
  several.press("?Attach");
  ASSERT_TRUE(several.hasDialog());
  const ui::FileDialogRequest& asked = several.dialog().file;
  EXPECT_EQ(asked.title, "Attach Files");
  EXPECT_EQ(asked.filters(),
            (std::vector<std::pair<std::string, std::string>>{{"PDF Files", "*.pdf"}, {"All Files", "*.*"}}));
  several.answerFiles({"/tmp/a.pdf", "/tmp/b.pdf"});
  EXPECT_EQ(chosen, (std::vector<std::filesystem::path>{"/tmp/a.pdf", "/tmp/b.pdf"}));
  several.press("?Attach");
  several.cancelDialog();
  EXPECT_TRUE(chosen.empty());
  several.press("?Close");
  several.expectFinished();

  HeadlessDriver one;
  one.start([&chosen] { Attaching(false, chosen).run(); });
  one.press("?Attach");
  EXPECT_EQ(failureOf([&] {
              one.answerFiles({"/tmp/a.pdf", "/tmp/b.pdf"});
            }).substr(0, 30),
            "cannot choose several files in");
  one.answerFiles({"/tmp/a.pdf"});
  EXPECT_EQ(chosen, (std::vector<std::filesystem::path>{"/tmp/a.pdf"}));
  one.press("?Close");
  one.expectFinished();
}

TEST(HeadlessDriverTest, ActingOnAWindowWhileAMessageBoxIsUpFailsWithTheTranscript) {
  int answer = 0;
  HeadlessDriver ui;
  ui.start([&answer] { Asking(answer).run(); }, "Asking");
  ui.press("?Ask");
  try {
    ui.type("?LOC:Name", "Kim");
    FAIL() << "typing under a message box went through";
  } catch (const DriverError& e) {
    EXPECT_EQ(e.reason(),
              "unexpected a message box \"Save?\" \"Save the changes?|They cannot be undone.\" while trying "
              "to type "
              "into ?LOC:Name");
    EXPECT_EQ(
        e.transcript(),
        "call Asking\n"
        "  open window \"Question\"\n"
        "press ?Ask\n"
        "  message \"Save?\" (question) \"Save the changes?|They cannot be undone.\" [&Yes|&No|&Cancel] "
        "default 3\n");
  }
  EXPECT_EQ(failureOf([&] { ui.expectWindow("Question"); }).substr(0, 30), "unexpected a message box \"Save");
  EXPECT_EQ(failureOf([&] { ui.cancelDialog(); }),
            "a message box cannot be cancelled; answer one of its buttons: &Yes|&No|&Cancel");
}

TEST(HeadlessDriverTest, ExpectationsThatDoNotHoldFail) {
  int answer = 0;
  HeadlessDriver ui;
  ui.start([&answer] { Asking(answer).run(); });
  EXPECT_EQ(failureOf([&] { ui.expectWindow("Other"); }),
            "expected the window \"Other\", but the procedure waits in \"Question\"");
  EXPECT_EQ(failureOf([&] { ui.messageBox(); }),
            "expected a dialog to read, but the procedure waits in the window \"Question\"");
  EXPECT_EQ(failureOf([&] { ui.press("?Nothing"); }),
            "window \"Question\" has no control ?Nothing (trying to press ?Nothing)");
  EXPECT_EQ(failureOf([&] { ui.pick("?LOC:Name", "x"); }),
            "cannot pick \"x\" in ?LOC:Name: it is not a list, drop list, option group or sheet (entry)");
  EXPECT_EQ(failureOf([&] { ui.expectFinished(); }),
            "expected the procedure to finish, but it waits in the window \"Question\"");
  ui.press("?Close");
  EXPECT_EQ(failureOf([&] { ui.expectWindow("Question"); }),
            "the procedure has finished (response cancelled); cannot find the window \"Question\"");
}

TEST(HeadlessDriverTest, AProcedureThatThrowsFailsTheExpectationOfItsEnd) {
  HeadlessDriver ui;
  ui.start([] { throw std::runtime_error("table definitions do not match"); });
  EXPECT_TRUE(ui.finished());
  EXPECT_EQ(failureOf([&] { ui.expectFinished(); }),
            "the procedure ended with an exception: table definitions do not match");
}

TEST(HeadlessDriverTest, StoppingADriverUnwindsTheProcedureAndClosesItsWindows) {
  bool unwound = false;
  {
    HeadlessDriver ui;
    ui.start([&unwound] {
      struct Guard {
        bool& flag;
        ~Guard() { flag = true; }
      } guard{unwound};
      int answer = 0;
      Asking(answer).run();
    });
    ui.press("?Ask");  // left with the message box up
    ui.stop();
    EXPECT_TRUE(unwound);
    const auto lines = ui.transcript();
    EXPECT_EQ(lines[lines.size() - 2], "  close window \"Question\"");
    EXPECT_EQ(lines.back(), "  stopped");
  }
  EXPECT_FALSE(ui::hasFrontEnd()) << "the driver puts the previous front end back";
}

TEST(HeadlessDriverTest, WithoutAFrontEndAWindowCannotWaitForAPerson) {
  ASSERT_FALSE(ui::hasFrontEnd());
  int answer = 0;
  Asking asking(answer);
  EXPECT_THROW(asking.run(), ui::NoFrontEnd);
  EXPECT_EQ(GlobalResponse, RequestCancelled);
}

}  // namespace
}  // namespace crv
