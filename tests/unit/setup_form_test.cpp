// The setup form: its start values, relabelling and the dispatcher.
#include "event_log.h"
#include "fake_device.h"
#include "fake_form.h"
#include "fake_store.h"
#include "form_commands.h"
#include "form_layout.h"
#include "form_rules.h"
#include "language.h"
#include "profile_velmor.h"
#include "settings.h"
#include "velmor_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace {
using fake::form;
using strings = std::vector<std::string>;

class SetupForm : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        fake::reset_form();
        fake::reset_store();
        profile_set(&k_velmor_profile);
        lang_set(LANGUAGE_ITALIAN);
        settings_set_port(0);
    }
    void TearDown() override {
        lang_set(LANGUAGE_ITALIAN);
        profile_set(nullptr);
        settings_set_port(0);
    }
};

TEST(FormLayout, FortyTwoControlsWithTheirIdentifiers) {
    ASSERT_EQ(k_form_control_count, 42);
    std::set<int> ids;
    for (int i = 0; i < k_form_control_count; ++i)
        ids.insert(k_form_controls[i].control);
    EXPECT_EQ(ids.size(), 42u) << "every control has an id of its own";
    for (int id : {100, 200, 300, 400, 500, 620, 630, 650, 670, 671, 700})
        EXPECT_EQ(ids.count(id), 1u) << "the id a command is reported with: " << id;
    // The first control is the date-time frame, the last the progress bar.
    EXPECT_EQ(k_form_controls[0].control, VC_FRAME_DATETIME);
    EXPECT_EQ(k_form_controls[41].kind, KIND_PROGRESS);
    EXPECT_EQ(k_form_controls[41].x, 335);
    EXPECT_EQ(k_form_controls[41].w, 435);
}

TEST_F(SetupForm, StartValues) {
    fake::dev().local = {2014, 2, 3, 4, 5, 6};
    settings_set_port(3);
    lang_set(LANGUAGE_FRENCH);
    form_start_values();
    EXPECT_EQ(form()[VC_DATE].text, "03/02/2014");
    EXPECT_EQ(form()[VC_TIME].text, "04:05:06");
    EXPECT_EQ(form()[VC_COM_PORT].entries.size(), 9u);
    EXPECT_EQ(form()[VC_COM_PORT].entries[8], "COM9");
    EXPECT_EQ(form()[VC_COM_PORT].list_index, 2);
    EXPECT_EQ(form()[VC_UI_LANGUAGE].entries,
              (strings{"Italiano", "English", "Español", "Français"}));
    EXPECT_EQ(form()[VC_UI_LANGUAGE].list_index, 3);
    for (int c : {VC_STATION_LANGUAGE, VC_MODE, VC_TYPE_1, VC_METER_2})
        EXPECT_EQ(form()[c].list_index, 0) << c;
    EXPECT_EQ(form()[VC_SOCKET1].checked, 1);
    EXPECT_EQ(form()[VC_SOCKET2].checked, 1);
    EXPECT_EQ(form()[VC_IMAX_1].text, "");
}

TEST_F(SetupForm, StoredPortAboveNineChoosesNothing) {
    settings_set_port(12);
    form_start_values();
    EXPECT_EQ(form()[VC_COM_PORT].list_index, -1);
    EXPECT_EQ(settings_port(), 12);
}

TEST_F(SetupForm, RelabelKeepsEveryChoice) {
    form_start_values();
    form()[VC_TYPE_1].list_index = TYPE_3C;
    form()[VC_METER_2].list_index = -1; // left with no entry by a Read
    form()[VC_DATE].text = "typed";
    form()[VC_COM_PORT].list_index = 4;
    form_relabel(LANGUAGE_ENGLISH);
    EXPECT_EQ(lang_get(), LANGUAGE_ENGLISH);
    EXPECT_EQ(form()[VC_TYPE_1].list_index, TYPE_3C);
    EXPECT_EQ(form()[VC_TYPE_1].entries[TYPE_3C], "Type 3C");
    EXPECT_EQ(form()[VC_METER_2].list_index, -1) << "no entry stays so";
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].entries,
              (strings{"Italian", "English", "Spanish", "French"}));
    EXPECT_EQ(form()[VC_DATE].text, "typed");
    EXPECT_EQ(form()[VC_COM_PORT].list_index, 4);
    EXPECT_EQ(form()[VC_UI_LANGUAGE].entries[0], "Italiano") << "never relabelled";
    EXPECT_EQ(form()[VC_READ].text, "Read");
    EXPECT_EQ(form()[VC_LABEL_METER].text, "Current measure:");
    EXPECT_EQ(form()[VC_SOCKET2].text, "Socket 2:");
    EXPECT_EQ(fake::events().back(), "invalidate 0");
    form_relabel(LANGUAGE_ITALIAN);
    EXPECT_EQ(form()[VC_TYPE_1].entries[TYPE_3C], "Tipo 3C");
    EXPECT_EQ(form()[VC_WRITE].text, "Scrivi");
    form_relabel(LANGUAGE_SPANISH);
    EXPECT_EQ(form()[VC_LABEL_MODE].text, "Funcionamento");
}

TEST_F(SetupForm, Dispatcher) {
    form_start_values();
    form_relabel(LANGUAGE_ITALIAN);
    form()[VC_UI_LANGUAGE].list_index = 1;
    velmor_command(VC_UI_LANGUAGE);
    EXPECT_EQ(lang_get(), LANGUAGE_ENGLISH);
    EXPECT_EQ(form()[VC_WRITE].text, "Write");

    form()[VC_SOCKET2].checked = 0;
    velmor_command(VC_SOCKET2);
    EXPECT_FALSE(form()[VC_MODE].enabled);

    form()[VC_MODE].list_index = MODE_ALTERNATE;
    form()[VC_METER_1].list_index = METER_DIGITAL;
    velmor_command(VC_METER_1);
    EXPECT_EQ(form()[VC_METER_2].list_index, METER_DIGITAL);

    fake::dev().local = {2020, 12, 31, 23, 59, 58};
    form()[VC_DATE].text = "typed";
    velmor_command(VC_CLOCK);
    EXPECT_EQ(form()[VC_DATE].text, "31/12/2020");
    EXPECT_EQ(form()[VC_TIME].text, "23:59:58");

    fake::events().clear();
    velmor_command(600);
    velmor_command(101);
    EXPECT_TRUE(fake::events().empty());
}
// The tool left open: a Write sends the moment of the Write, unless the
// technician typed the date or time; an emptied field is still skipped.
TEST_F(SetupForm, WriteSendsTheMomentOfTheWriteUnlessTyped) {
    settings_set_port(1);
    fake::dev().local = {2020, 12, 31, 23, 59, 58};
    form_start_values();
    form()[VC_SOCKET2].checked = 0;
    form()[VC_IMAX_1].text = "16";
    form()[VC_IMAXS_1].text = "10";
    auto first_two_writes = [] {
        fake::dev().writes.clear();
        velmor_command(VC_WRITE);
        std::vector<std::string> w;
        for (std::size_t i = 0; i < 2 && i < fake::dev().writes.size(); ++i)
            w.push_back(fake::hex(fake::dev().writes[i]));
        return w;
    };
    // An hour and a day later, nothing typed: the clock of now.
    fake::dev().local = {2021, 1, 1, 0, 59, 30};
    EXPECT_EQ(first_two_writes(), (std::vector<std::string>{"44 21 01 01 0D", "4F 00 59 30 0D"}));
    EXPECT_EQ(form()[VC_DATE].text, "01/01/2021");
    EXPECT_EQ(form()[VC_TIME].text, "00:59:30");
    // The time typed by the technician is sent as typed; the date follows the clock.
    fake::dev().local = {2021, 1, 2, 8, 0, 0};
    form()[VC_TIME].text = "07:30:00";
    EXPECT_EQ(first_two_writes(), (std::vector<std::string>{"44 21 01 02 0D", "4F 07 30 00 0D"}));
    fake::dev().local = {2021, 1, 2, 9, 0, 0};
    EXPECT_EQ(first_two_writes()[1], "4F 07 30 00 0D") << "still as typed";
    // A typed date, and the clock button making the fields the program's again.
    form()[VC_DATE].text = "15/06/2020";
    EXPECT_EQ(first_two_writes()[0], "44 20 06 15 0D");
    velmor_command(VC_CLOCK);
    fake::dev().local = {2021, 1, 2, 10, 11, 12};
    EXPECT_EQ(first_two_writes(), (std::vector<std::string>{"44 21 01 02 0D", "4F 10 11 12 0D"}));
    // Emptied fields are skipped, not refilled.
    form()[VC_DATE].text = "";
    form()[VC_TIME].text = "";
    EXPECT_EQ(first_two_writes()[0].substr(0, 2), "4C");
    EXPECT_EQ(form()[VC_DATE].text, "");
}
} // namespace
