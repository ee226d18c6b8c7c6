#include "paint.h"

#include "card_writer_texts.h"
#include "texts_tandor.h"

bool card_form_shown(const tandor_state& s) {
    return s.card_present && s.prompt != card_prompt::invalid && (s.user_card || s.master_card);
}

std::vector<paint_step> paint_window(const tandor_state& s) {
    std::vector<paint_step> steps;
    steps.push_back(step(paint_step::BACKGROUND));
    if (!card_form_shown(s)) {
        paint_step prompt = step(paint_step::PROMPT);
        prompt.font = FONT_PROMPT;
        prompt.text = localized(TXT_PROMPT_PLACE + 4 * static_cast<int>(s.prompt));
        steps.push_back(prompt);
        return steps;
    }
    steps.push_back(step(paint_step::OVERLAY));
    if (s.user_card) {
        steps.push_back(text_step(FONT_LABEL, 100, 100, 300, 160, localized(TXT_CARD_CODE)));
        steps.push_back(text_step(FONT_LABEL, 100, 160, 300, 220, localized(TXT_ACCESSES)));
        steps.push_back(text_step(FONT_LABEL, 100, 220, 300, 280, localized(TXT_EXPIRY)));
        steps.push_back(text_step(FONT_HINT, 100, 240, 300, 280, localized(TXT_EXPIRY_HINT)));
    }
    if (s.master_card) {
        steps.push_back(text_step(FONT_LABEL, 100, 100, 300, 160, localized(TXT_PERSONAL)));
        steps.push_back(text_step(FONT_LABEL, 250, 100, 300, 160, localized(TXT_FREE)));
        steps.push_back(text_step(FONT_LABEL, 100, 160, 300, 280, localized(TXT_DELETE_DB)));
        steps.push_back(text_step(FONT_LABEL, 100, 220, 300, 280, localized(TXT_DATETIME)));
        steps.push_back(text_step(FONT_HINT, 100, 240, 300, 280, localized(TXT_DATETIME_HINT)));
    }
    steps.push_back(code_header_step(s.reader.uid_display));
    if (s.user_card)
        steps.push_back(text_step(FONT_HEADER, 50, 24, 1050, 80, localized(TXT_USER_CARD)));
    if (s.master_card)
        steps.push_back(text_step(FONT_HEADER, 50, 24, 1050, 80, localized(TXT_MASTER_CARD)));
    if (s.written)
        steps.push_back(written_card_step());
    return steps;
}

void paint_finished(tandor_state& s) {
    if (card_form_shown(s))
        s.written = false;
}
