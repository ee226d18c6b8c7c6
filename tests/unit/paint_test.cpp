// What the card writer's window paints in each state.
#include "paint.h"
#include "tandor_test_support.h"

#include <cstring>

namespace {

std::vector<std::string> texts(const std::vector<paint_step>& steps) {
    std::vector<std::string> out;
    for (const auto& p : steps)
        if (p.kind == paint_step::TEXT || p.kind == paint_step::PROMPT)
            out.push_back(p.text);
    return out;
}

class Paint : public CardWriter {};

TEST_F(Paint, PromptsByState) {
    auto steps = paint_window(s);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].kind, paint_step::BACKGROUND);
    EXPECT_EQ(steps[1].kind, paint_step::PROMPT);
    EXPECT_EQ(steps[1].text, "Place the card on the reader");
    EXPECT_EQ(font_of(steps[1].font).points, 24);
    EXPECT_TRUE(font_of(steps[1].font).italic);

    s.card_present = 1;
    s.prompt_index = PROMPT_SELECT_TYPE;
    EXPECT_EQ(texts(paint_window(s)), std::vector<std::string>{"Select type card"});
    s.prompt_index = PROMPT_INVALID;
    s.user_card = 1;
    EXPECT_EQ(texts(paint_window(s)), std::vector<std::string>{"Invalid card"})
        << "no overlay while invalid, though a card is present";
    lang_set(LANGUAGE_ITALIAN);
    s.card_present = 0;
    s.prompt_index = PROMPT_PLACE;
    EXPECT_EQ(texts(paint_window(s)), std::vector<std::string>{"Poggiare la tessera sul lettore"});
}

TEST_F(Paint, UserCardForm) {
    s.card_present = 1;
    s.user_card = 1;
    std::strcpy(s.reader.uid_display, "0A1B2C3D");
    auto steps = paint_window(s);
    EXPECT_EQ(steps[1].kind, paint_step::OVERLAY);
    EXPECT_EQ(texts(steps),
              (std::vector<std::string>{"Card code:", "Number of accesses:", "Expiry date:",
                                        "dd/mm/yyyy hh", "Code: 0A1B2C3D", "User Card"}));
    const paint_step& header = steps[6];
    EXPECT_TRUE(header.right_aligned);
    EXPECT_EQ(header.left, 50);
    EXPECT_EQ(header.top, 24);
    EXPECT_EQ(header.right, 550);
    EXPECT_EQ(header.bottom, 80);
    EXPECT_EQ(steps[5].font, FONT_HINT);
    EXPECT_EQ(steps[7].right, 1050);
}

TEST_F(Paint, MasterCardFormInSpanish) {
    lang_set(LANGUAGE_SPANISH);
    s.card_present = 1;
    s.master_card = 1;
    std::strcpy(s.reader.uid_display, "DEADBEEF");
    EXPECT_EQ(texts(paint_window(s)),
              (std::vector<std::string>{"Personal", "Free", "Borrar DB", "Fecha y hora",
                                        "dd/mm/aaaa hh:mm:ss", "Código: DEADBEEF", "Master Card"}));
}

TEST_F(Paint, WrittenCardShowsOnceInRed) {
    s.card_present = 1;
    s.user_card = 1;
    s.written = 1;
    auto steps = paint_window(s);
    const paint_step& last = steps.back();
    EXPECT_EQ(last.text, "Written card");
    EXPECT_EQ(last.color, 0xC80000u);
    EXPECT_EQ(last.font, FONT_WRITTEN);
    EXPECT_EQ(last.left, 340);
    EXPECT_EQ(last.top, 306);
    EXPECT_EQ(s.written, 1) << "until the painting is carried out";
    paint_finished(s);
    EXPECT_EQ(s.written, 0);
    EXPECT_NE(texts(paint_window(s)).back(), "Written card") << "not in the next painting";
}
} // namespace
