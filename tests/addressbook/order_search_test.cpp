// Sort orders and search by key.
#include "addressbook/sort_orders.h"
#include "book_fixture.h"

namespace vellumo {
namespace {

class OrderSearchTest : public BookTest {
 protected:
  void SetUp() override {
    BookTest::SetUp();
    StartBook();
    AddRecord({{"LNAME", "smith"}, {"CITY", "Boston"}, {"STATE", "MA"}, {"ZIP", "02134"}, {"DATE", "19980105"}});
    AddRecord({{"LNAME", "Jones"}, {"CITY", "Austin"}, {"STATE", "TX"}, {"ZIP", "73301"}, {"DATE", "19970315"}});
    AddRecord({{"LNAME", "johnson"}, {"CITY", "Boston"}, {"STATE", "KY"}, {"ZIP", "40107"}, {"DATE", "19961231"}});
    AddRecord({{"LNAME", "Adams"}, {"CITY", "Denver"}, {"STATE", "CO"}, {"ZIP", "80201"}});
  }
};

TEST_F(OrderSearchTest, FourteenOrdersFromMenuCaptionToTag) {
  const auto& orders = SortOrders();
  ASSERT_EQ(orders.size(), 14u);
  EXPECT_EQ(orders.front().name(), "Last Name");
  EXPECT_EQ(orders[10].name(), "E-mail");
  EXPECT_STREQ(orders[10].tag, "EMAIL");
  EXPECT_EQ(orders.back().name(), "Codes");
  EXPECT_EQ(SortOrderIndex("e-MAIL"), 10);
  EXPECT_EQ(SortOrderIndex("Middle"), -1);
  for (const SortOrder& order : orders) {
    EXPECT_GT(book_.table()->TagArea(order.tag), 0) << order.tag;
  }
}

TEST_F(OrderSearchTest, ChoosingAnOrderKeepsTheRecordAndSaysSo) {
  ASSERT_TRUE(book_.First());
  EXPECT_EQ(Current("LNAME"), "Adams");
  book_.SetOrderTo("Zip");
  EXPECT_EQ(book_.order_tag(), "ZIP");
  EXPECT_EQ(book_.sort_status(), "Sorted by Zip");
  EXPECT_EQ(book_.checked_sort_item(), 7);
  EXPECT_EQ(Current("LNAME"), "Adams");
  ASSERT_TRUE(book_.First());
  EXPECT_EQ(Current("ZIP"), "02134");

  book_.SetOrderTo("Middle");
  EXPECT_EQ(book_.order_tag(), "ZIP") << "an unknown name changes no order";
  EXPECT_EQ(book_.sort_status(), "Sorted by Middle");
  EXPECT_EQ(book_.checked_sort_item(), -1);
}

TEST_F(OrderSearchTest, OrderHoldsUnderAFilter) {
  FilterConditions conditions;
  conditions["CITY+STATE"] = "Boston";
  ASSERT_EQ(book_.SetFilter(conditions), 2u);
  book_.SetOrderTo("Zip");
  ASSERT_TRUE(book_.First());
  EXPECT_EQ(Current("ZIP"), "02134");
  EXPECT_TRUE(book_.Next());
  EXPECT_EQ(Current("ZIP"), "40107");
  EXPECT_FALSE(book_.Next());
  EXPECT_TRUE(book_.filter_set());
}

TEST_F(OrderSearchTest, SearchFindsTheFirstKeyBeginningWithTheText) {
  ASSERT_TRUE(book_.Search("Last Name", "jo"));
  EXPECT_EQ(Current("LNAME"), "johnson");
  EXPECT_EQ(book_.sort_status(), "Sorted by Last Name");

  ASSERT_TRUE(book_.Search("Date", "1997"));
  EXPECT_EQ(Current("LNAME"), "Jones");
  EXPECT_EQ(book_.order_tag(), "DATE");
}

TEST_F(OrderSearchTest, CitySearchRunsIntoTheStateAfterTheCityWidth) {
  const int city_width = static_cast<int>(book_.table()->schema().field(book_.table()->FieldIndex("CITY")).length);
  ASSERT_TRUE(book_.Search("City", "bos"));
  EXPECT_EQ(Current("STATE"), "KY") << "Boston KY sorts before Boston MA";
  ASSERT_TRUE(book_.Search("City", QString("Boston").leftJustified(city_width) + "MA"));
  EXPECT_EQ(Current("LNAME"), "smith");
}

TEST_F(OrderSearchTest, SearchWithoutAMatchKeepsTheRecordButTakesTheOrder) {
  ASSERT_TRUE(book_.Search("Last Name", "Jones"));
  EXPECT_FALSE(book_.Search("Zip", "99"));
  EXPECT_EQ(Current("LNAME"), "Jones");
  EXPECT_EQ(book_.order_tag(), "ZIP");
  EXPECT_EQ(book_.sort_status(), "Sorted by Zip");

  EXPECT_FALSE(book_.Search("Date", "1995"));
  EXPECT_EQ(Current("LNAME"), "Jones");

  EXPECT_FALSE(book_.Search("Last Name", ""));
  EXPECT_EQ(book_.order_tag(), "DATE") << "an empty text changes nothing";
}

}  // namespace
}  // namespace vellumo
