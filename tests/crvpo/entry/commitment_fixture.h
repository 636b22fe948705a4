// A company with the rows the commitment tests need: cost lines, items,
// stock, the counter, orders and their lines, built directly in the
// tables; a message service that records what the user was told; and a
// storage that can be made to fail on demand.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "crvpo/entry/operation_outcome.h"
#include "host/data/company.h"
#include "host/data/shared_values.h"
#include "host/data/tables/inventory_tables.h"
#include "host/data/tables/job_cost_tables.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/data/tables/suite_tables.h"
#include "host/framework/services/message_box.h"
#include "support/fault_injecting_backend.h"
#include "support/temp_folder.h"

namespace crvpo::test {

class RecordingMessages final : public crv::MessageService {
 public:
  int show(const crv::MessageRequest& request) override {
    std::lock_guard<std::mutex> lock(mutex_);
    shown_.push_back(request);
    return request.defaultButton;
  }
  std::vector<crv::MessageRequest> shown() {
    std::lock_guard<std::mutex> lock(mutex_);
    return shown_;
  }
  void clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    shown_.clear();
  }

 private:
  std::mutex mutex_;
  std::vector<crv::MessageRequest> shown_;
};

class CommitmentFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = crv::setMessageService(&messages);
    company = crv::Company::open(folder.path(), true, storage);
    crv::DataPath = folder.path().string();
    crv::CostCodeLen = 6;
    crv::GLO.LogUserActivity = 0;
    for (crv::Table* table : tables()) table->open();
  }
  void TearDown() override {
    for (crv::Table* table : tables()) table->close();
    company.reset();
    crv::GLO.LogUserActivity = 0;
    crv::setMessageService(previous_);
  }

  static std::vector<crv::Table*> tables() {
    return {&crv::POMaster, &crv::PODetail, &crv::JCCost,  &crv::JCCODTable, &crv::INMaster, &crv::INItem,
            &crv::INPurch,  &crv::INCnvrt,  &crv::Systems, &crv::Notes,      &crv::Images,   &crv::UserLog};
  }

  void addCostLine(std::string_view job, std::string_view costCode, crv::Amount committed = {},
                   crv::Amount coCommitted = {}) {
    crv::JCC.clear();
    crv::JCC.JobID = job;
    crv::JCC.CostCode = costCode;
    crv::JCC.RecordID = crv::JCCostRecord::recordIdFor(job, costCode, 6);
    crv::JCC.Committed = committed;
    crv::JCC.COCommitted = coCommitted;
    ASSERT_EQ(crv::JCCost.insert(), crv::TableStatus::Ok);
  }

  crv::Amount committed(std::string_view job, std::string_view costCode) {
    crv::JCC.clear();
    crv::JCC.JobID = job;
    crv::JCC.CostCode = costCode;
    EXPECT_EQ(crv::JCCost.fetch(crv::JCC.KeyJobCodeType), crv::TableStatus::Ok) << job << " " << costCode;
    return crv::JCC.Committed;
  }

  void addItem(std::string_view item, crv::Quantity onOrder = {}, crv::Quantity onHand = {}) {
    crv::INM.clear();
    crv::INM.ItemID = item;
    crv::INM.QtyOnOrder = onOrder;
    crv::INM.QtyOnHand = onHand;
    crv::INM.DefaultLocationID = "MAIN";
    crv::INM.DefaultBinID = "A1";
    ASSERT_EQ(crv::INMaster.insert(), crv::TableStatus::Ok);
  }

  crv::INMasterRecord item(std::string_view item) {
    crv::INM.clear();
    crv::INM.ItemID = item;
    EXPECT_EQ(crv::INMaster.fetch(crv::INM.KeyItemID), crv::TableStatus::Ok);
    return crv::INM;
  }

  void setCounter(crv::Id next, crv::Flag automatic = 1) {
    crv::Systems.set(crv::SYS.KeySystemID);
    const bool exists = crv::Systems.next() == crv::TableStatus::Ok;
    if (!exists) crv::SYS.clear();
    crv::SYS.AutoPONumber = automatic;
    crv::SYS.NextPONumber = next;
    ASSERT_EQ(exists ? crv::Systems.update() : crv::Systems.insert(), crv::TableStatus::Ok);
  }

  crv::Id counter() {
    crv::Systems.set(crv::SYS.KeySystemID);
    EXPECT_EQ(crv::Systems.next(), crv::TableStatus::Ok);
    return crv::SYS.NextPONumber;
  }

  // An order written as it would stand after an earlier save.
  crv::Id addOrder(std::string_view number, crv::Amount total = crv::Amount(100)) {
    crv::POM.clear();
    crv::POM.PONumber = number;
    crv::POM.VendorID = 103;
    crv::POM.PreTaxAmount = total;
    crv::POM.POAmount = total;
    crv::POM.SortPONumber = number;
    crv::POM.SortVendorID = 103;
    EXPECT_EQ(crv::POMaster.insert(), crv::TableStatus::Ok);
    return crv::POM.POID;
  }

  static crv::Quantity qty(std::string_view text) { return *crv::Quantity::parse(text); }
  static crv::Amount amt(std::string_view text) { return *crv::Amount::parse(text); }

  crv::PODetailRecord& jobLine(crv::Id order, crv::Id sequence, std::string_view job,
                               std::string_view costCode, std::string_view quantity, double price) {
    crv::POD.clear();
    crv::POD.POID = order;
    crv::POD.SequenceNo = sequence;
    crv::POD.DetailType = "Job";
    crv::POD.JobID = job;
    crv::POD.CostCode = costCode;
    crv::POD.QtyOrdered = qty(quantity);
    crv::POD.UnitPrice = price;
    crv::POD.TotalAmount = crv::multiply(crv::POD.QtyOrdered, price);
    crv::POD.CommittedPrice = crv::POD.TotalAmount;
    return crv::POD;
  }

  crv::PODetailRecord& inventoryLine(crv::Id order, crv::Id sequence, std::string_view itemId,
                                     std::string_view quantity, std::string_view stockQuantity,
                                     double price) {
    crv::POD.clear();
    crv::POD.POID = order;
    crv::POD.SequenceNo = sequence;
    crv::POD.DetailType = "Inventory";
    crv::POD.ItemID = itemId;
    crv::POD.QtyOrdered = qty(quantity);
    crv::POD.INVQuantity = qty(stockQuantity);
    crv::POD.UnitPrice = price;
    crv::POD.TotalAmount = crv::multiply(crv::POD.QtyOrdered, price);
    return crv::POD;
  }

  crv::Id insertLine() {
    EXPECT_EQ(crv::PODetail.insert(), crv::TableStatus::Ok);
    return crv::POD.DetailID;
  }

  // Reads a line by its identifier into POD for a change.
  void fetchLine(crv::Id detailId) {
    crv::POD.DetailID = detailId;
    ASSERT_EQ(crv::PODetail.fetch(crv::POD.KeyDetailID), crv::TableStatus::Ok);
  }

  void fetchOrder(crv::Id poid) {
    crv::POM.POID = poid;
    ASSERT_EQ(crv::POMaster.fetch(crv::POM.KeyPOID), crv::TableStatus::Ok);
  }

  // One way to make the storage fail, and a part of what the user is then
  // told.
  struct FaultCase {
    crv::test::StorageOp op;
    int nth;
    crv::test::Fault fault;
    const char* said;
  };
  // Runs `operation` with the fault armed and checks that it failed as an
  // atomic operation does: the fault fired, the failure says `c.said` and
  // `consequence` in a notice titled `title`, and nothing was shown.
  OperationOutcome failedBy(const FaultCase& c, const std::function<OperationOutcome()>& operation,
                            std::string_view consequence, std::string_view title) {
    storage.failNth(c.op, c.nth, c.fault);
    const OperationOutcome outcome = operation();
    EXPECT_TRUE(storage.fired());
    storage.disarm();
    EXPECT_FALSE(outcome.done);
    EXPECT_NE(outcome.message.find(c.said), std::string::npos) << outcome.message;
    EXPECT_NE(outcome.message.find(consequence), std::string::npos) << outcome.message;
    EXPECT_TRUE(!outcome.notices.empty() && outcome.notices.back().title == title);
    EXPECT_TRUE(messages.shown().empty()) << "the window shows the outcome, not the operation";
    return outcome;
  }

  crv::test::TempFolder folder;
  crv::test::FaultInjectingBackend storage;
  std::unique_ptr<crv::Company> company;
  RecordingMessages messages;

 private:
  crv::MessageService* previous_ = nullptr;
};

}  // namespace crvpo::test
