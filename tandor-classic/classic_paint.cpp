#include "classic_paint.h"

#include "card_writer_texts.h"
#include "texts_classic.h"

std::vector<paint_step> classic_paint(const classic_state& s) {
    std::vector<paint_step> steps;
    steps.push_back(step(paint_step::BACKGROUND));
    if (!s.card_shown || s.card_invalid) {
        paint_step prompt = step(paint_step::PROMPT);
        prompt.font = FONT_PROMPT;
        prompt.text = localized(s.card_invalid ? TXT_INVALID_CARD : TXT_PROMPT_PLACE);
        steps.push_back(prompt);
        return steps;
    }
    steps.push_back(step(paint_step::OVERLAY));
    steps.push_back(text_step(FONT_LABEL, 100, 100, 300, 160, localized(TXT_CARD_CODE)));
    steps.push_back(text_step(FONT_LABEL, 100, 160, 300, 220, localized(TXT_ACCESSES)));
    steps.push_back(text_step(FONT_LABEL, 100, 220, 300, 280, localized(TXT_EXPIRY)));
    steps.push_back(code_header_step(s.reader.uid));
    if (s.count_unwritten)
        steps.push_back(
            text_step(FONT_LABEL, 100, 256, 540, 292, localized(TXT_CLASSIC_COUNT_UNWRITTEN)));
    if (s.card_written)
        steps.push_back(written_card_step());
    return steps;
}

void classic_paint_finished(classic_state& s) {
    if (s.card_shown && !s.card_invalid)
        s.card_written = false;
}
