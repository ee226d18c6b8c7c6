// Cards written from form texts and read back from a virtual card, through
// the real serial API under Wine: what is read decodes to what was typed.
#include "card_layout.h"
#include "classic_layout.h"
#include "message_recorder.h"
#include "port.h"
#include "profile_classic.h"
#include "reader.h"
#include "sim_client.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class WineCard : public ::testing::Test {
  protected:
    void SetUp() override {
        recorded_messages().clear();
        sim_command("fault none");
        sim_command("place 0A1B2C3D");
        profile_set(&k_classic_profile);
        ASSERT_TRUE(port_open(sim_com()));
        int status = -1;
        ASSERT_EQ(card_detect(&reader, &status), exchange::done);
        ASSERT_EQ(status, READER_CARD_PRESENT);
    }
    void TearDown() override {
        port_close();
        EXPECT_TRUE(recorded_messages().empty());
    }

    void write(int block, const std::string& content) {
        int status = -1;
        ASSERT_EQ(block_write(&reader, block, content.c_str(), &status), exchange::done);
        ASSERT_EQ(status, 0);
    }
    std::string read(int block) {
        char text[READER_BLOCK_CHARS + 1] = {};
        int status = -1;
        EXPECT_EQ(block_read(&reader, block, text, &status), exchange::done);
        EXPECT_EQ(status, 0);
        return text;
    }
    card_reader reader{};
};

TEST_F(WineCard, UserCardRoundTrip) {
    char block[CARD_BLOCK_CHARS + 1];
    ASSERT_EQ(encode_user_block("c0ffee42", "28/02/2031 24", "1234", block), 0);
    write(4, block);
    std::string back = read(4);
    bool user = false, master = false;
    classify_block(back.c_str(), &user, &master);
    EXPECT_EQ(user, 1);
    EXPECT_EQ(master, 0);
    user_form_texts t;
    EXPECT_EQ(decode_user_block(back.c_str(), &t), 0);
    EXPECT_STREQ(t.card_code, "C0FFEE42");
    EXPECT_STREQ(t.expiry, "28/02/2031 24");
    EXPECT_STREQ(t.accesses, "1234");
}

TEST_F(WineCard, MasterCardRoundTrip) {
    char block[CARD_BLOCK_CHARS + 1];
    ASSERT_EQ(encode_master_block(1, 0, "31/12/2018 23:59:30", block), 0);
    write(4, block);
    EXPECT_EQ(sim_command("block 4"), std::vector<std::string>{"507007305923013112184D4153544552"});
    std::string back = read(4);
    bool user = false, master = false;
    classify_block(back.c_str(), &user, &master);
    EXPECT_EQ(master, 1);
    master_form_state f{};
    EXPECT_EQ(decode_master_block(back.c_str(), &f), 0);
    EXPECT_EQ(f.personal, 1);
    EXPECT_STREQ(f.datetime, "31/12/2018 23:59:30");
}

TEST_F(WineCard, ClassicBlocksRoundTrip) {
    char data[CLASSIC_PAYLOAD_CHARS + 1], counter[CLASSIC_PAYLOAD_CHARS + 1];
    ASSERT_EQ(classic_encode_data(reader.uid, "0123456789", "-15", "14/12/2015", data), 0);
    ASSERT_EQ(classic_encode_counter(reader.uid, "-15", counter), 0);
    write(CLASSIC_DATA_BLOCK, data + READER_HEAD_CHARS);
    write(CLASSIC_COUNTER_BLOCK, counter + READER_HEAD_CHARS);
    // The value block as the card holds it.
    EXPECT_EQ(sim_command("block 5"), std::vector<std::string>{"F1FFFFFF0E000000F1FFFFFF01FE01FE"});

    classic_data d;
    classic_decode_data(read(CLASSIC_DATA_BLOCK).c_str(), &d);
    char accesses[12];
    classic_decode_counter(read(CLASSIC_COUNTER_BLOCK).c_str(), d.flags, accesses);
    EXPECT_STREQ(d.card_code, "0123456789");
    EXPECT_STREQ(d.expiry, "14/12/2015");
    EXPECT_STREQ(accesses, "-15");
}
} // namespace
