// The file warnings of the reports: titles, texts, icon and button, which
// error the text quotes, its length limit and clearing the saved error.
#include "crvpo/foundation/show_file_warning.h"

#include <gtest/gtest.h>

#include "host/framework/services/message_box.h"
#include "host/framework/table/table_error.h"

namespace crvpo {
namespace {

class RecordingMessages final : public crv::MessageService {
 public:
  int show(const crv::MessageRequest& request) override {
    shown.push_back(request);
    return request.defaultButton;
  }
  std::vector<crv::MessageRequest> shown;
};

class ShowFileWarningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = crv::setMessageService(&messages_);
    crv::RuntimeErrors::clear();
    crv::RuntimeErrors::clearSaved();
  }
  void TearDown() override {
    crv::setMessageService(previous_);
    crv::RuntimeErrors::clear();
    crv::RuntimeErrors::clearSaved();
  }

  static crv::TableError engineError(std::string message, std::string code) {
    crv::TableError error = crv::makeError(crv::ErrorCode::FileSystem, "POLimits");
    error.fileMessage = std::move(message);
    error.fileCode = std::move(code);
    return error;
  }

  RecordingMessages messages_;
  crv::MessageService* previous_ = nullptr;
};

TEST_F(ShowFileWarningTest, RecordRetrievalQuotesTheSavedErrorAndClearsIt) {
  crv::RuntimeErrors::set(crv::makeError(crv::ErrorCode::RecordNotFound));
  crv::RuntimeErrors::save(crv::makeError(crv::ErrorCode::DuplicateKey, "POLimits"));

  EXPECT_EQ(ShowFileWarning(FileWarning::RecordRetrieval, "POLimits   "), 1);
  ASSERT_EQ(messages_.shown.size(), 1u);
  const crv::MessageRequest& shown = messages_.shown[0];
  EXPECT_EQ(shown.title, "Record Retrieval Error");
  EXPECT_EQ(shown.text,
            "Error: (Creates Duplicate Key (40)) attempting to access a record from the "
            "POLimits file.  Returning to previous window.");
  EXPECT_EQ(shown.icon, crv::Icon::Exclamation);
  EXPECT_EQ(shown.buttonCaptions(), std::vector<std::string>{"&OK"});
  EXPECT_EQ(shown.defaultButton, 1);
  EXPECT_EQ(crv::RuntimeErrors::saved().code, 0);
  EXPECT_EQ(crv::RuntimeErrors::saved().message, "");
  EXPECT_EQ(crv::RuntimeErrors::saved().fileMessage, "");

  // With the saved error gone, the next warning quotes the current one.
  ShowFileWarning(FileWarning::RecordRetrieval, "");
  EXPECT_EQ(messages_.shown[1].text,
            "Error: (Record Not Found (35)) attempting to access a record from the  file.  "
            "Returning to previous window.");
}

TEST_F(ShowFileWarningTest, CodeNinetyQuotesTheFileSystemMessage) {
  crv::RuntimeErrors::set(engineError("database disk image is malformed", "11   "));
  EXPECT_EQ(ShowFileWarning(FileWarning::ViewOpen, ""), 1);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].title, "View Open Error");
  EXPECT_EQ(messages_.shown[0].text,
            "Error: (database disk image is malformed (11)) attempting to open the current "
            "VIEW. Filter and Range Limits ignored.");
  EXPECT_EQ(messages_.shown[0].icon, crv::Icon::Exclamation);

  crv::RuntimeErrors::save(engineError("disk I/O error", "10"));
  EXPECT_EQ(takeFileWarningErrorText(), "disk I/O error (90)");
}

TEST_F(ShowFileWarningTest, ErrorTextIsCutAt150Characters) {
  crv::RuntimeErrors::save(engineError(std::string(200, 'x'), "1"));
  const std::string text = takeFileWarningErrorText();
  EXPECT_EQ(text, std::string(fileWarningTextLimit, 'x'));
}

TEST_F(ShowFileWarningTest, OtherCodesShowNothing) {
  crv::RuntimeErrors::save(crv::makeError(crv::ErrorCode::DuplicateKey));
  EXPECT_EQ(ShowFileWarning(34, "POLimits"), 0);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(crv::RuntimeErrors::saved().code, crv::ErrorCode::DuplicateKey);
}

}  // namespace
}  // namespace crvpo
