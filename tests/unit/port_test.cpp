// Opening the port: device names, speeds and waits of each program.
#include "fake_device.h"
#include "port.h"
#include "profile_classic.h"
#include "profile_tandor.h"
#include "profile_velmor.h"

#include <gtest/gtest.h>

namespace {
using fake::dev;

class PortOpen : public ::testing::Test {
  protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { profile_set(nullptr); }
};

TEST_F(PortOpen, VelmorUsesComNameAt9600WithoutWaits) {
    profile_set(&k_velmor_profile);
    EXPECT_EQ(port_open(3), 1);
    EXPECT_EQ(port_open(12), 1);
    EXPECT_EQ(dev().opened, (std::vector<std::string>{"COM3", "COM12"}));
    EXPECT_EQ(dev().speeds, (std::vector<unsigned>{9600, 9600}));
    EXPECT_TRUE(dev().sleeps.empty());
}

TEST_F(PortOpen, TandorWaitsTwoSecondsBeforeAndAfterEvenOnFailure) {
    profile_set(&k_tandor_profile);
    EXPECT_EQ(port_open(10), 1);
    EXPECT_EQ(dev().opened, (std::vector<std::string>{"COM10"}));
    EXPECT_EQ(dev().speeds, (std::vector<unsigned>{19200}));
    EXPECT_EQ(dev().sleeps, (std::vector<int>{2000, 2000}));

    dev().open_succeeds = false;
    EXPECT_EQ(port_open(4), 0);
    EXPECT_EQ(dev().sleeps, (std::vector<int>{2000, 2000, 2000, 2000}));
}

TEST_F(PortOpen, ClassicUsesTheDeviceNamespaceName) {
    profile_set(&k_classic_profile);
    EXPECT_EQ(port_open(5), 1);
    EXPECT_EQ(port_open(17), 1);
    EXPECT_EQ(dev().opened, (std::vector<std::string>{"\\\\.\\COM5", "\\\\.\\COM17"}));
    EXPECT_EQ(dev().speeds, (std::vector<unsigned>{19200, 19200}));
    EXPECT_TRUE(dev().sleeps.empty());
}

TEST_F(PortOpen, PortZeroAndNegativeFailWithoutTouchingTheDevice) {
    profile_set(&k_tandor_profile);
    EXPECT_FALSE(port_open(0));
    EXPECT_FALSE(port_open(-1));
    EXPECT_TRUE(dev().opened.empty());
    EXPECT_TRUE(dev().sleeps.empty());
}

TEST_F(PortOpen, DeviceNameFitsOrFails) {
    profile_set(&k_velmor_profile);
    char small[5];
    EXPECT_TRUE(port_device_name(9, small, sizeof small));
    EXPECT_STREQ(small, "COM9");
    EXPECT_FALSE(port_device_name(10, small, sizeof small));
    char big[32];
    EXPECT_TRUE(port_device_name(2147483647, big, sizeof big));
    EXPECT_STREQ(big, "COM2147483647");
}

TEST_F(PortOpen, CloseReportsTheDevicesAnswer) {
    profile_set(&k_velmor_profile);
    EXPECT_FALSE(port_close()) << "nothing open";
    ASSERT_TRUE(port_open(1));
    EXPECT_TRUE(port_close());
}

TEST_F(PortOpen, ReadLeavesBytesPastWhatCameUntouched) {
    profile_set(&k_velmor_profile);
    ASSERT_TRUE(port_open(1));
    std::uint8_t buf[PORT_READ_SIZE];
    std::fill(buf, buf + sizeof buf, 0xEE);
    fake::script_read(fake::from_text("L=IT"));
    std::size_t got = 0;
    EXPECT_TRUE(port_read(buf, &got));
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(buf[0], 'L');
    EXPECT_EQ(buf[3], 'T');
    EXPECT_EQ(buf[4], 0xEE);
    fake::script_read_fail();
    EXPECT_FALSE(port_read(buf, &got));
    EXPECT_TRUE(port_write(buf, 4));
    dev().write_fails = true;
    EXPECT_FALSE(port_write(buf, 4));
}
} // namespace
