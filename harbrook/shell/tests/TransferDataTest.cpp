#include <shell/TransferData.h>

#include <gtest/gtest.h>

TEST(TransferData, BaseErrorTextsAreInPlace) {
    struct Store : CTransferData {
        bool Load(const std::string&) override { return true; }
        bool Save(const std::string&) override { return true; }
    } store;
    EXPECT_EQ(store.ResultCode(), 0);
    EXPECT_EQ(store.ErrorText(), "");
}
