// Texts of "prb" shown in labels of a fixed width: at 640 x 480 (design units are pixels, the
// forms' fonts at their design sizes, 96 pixels per inch) each must fit its label.
#include "checks.hpp"

#include "platform/ui/text_render.hpp"
#include "session/texts.hpp"

namespace kartino::check {

namespace {

struct LabelText {
    const char *label;
    int width;        // design width of the label
    std::size_t text; // instruction text shown in it
    double points;
};

// The forms' fonts are Arial 12; the go-on labels have Arial 14.25 of their own.
constexpr LabelText kLabels[] = {
    {"the start form's variant question", 225, session::kVariantQuestionText, 12},
    {"the start form's offer question", 300, session::kOfferQuestionText, 12},
    {"the start form's go-on label", 100, session::kGoOnText, 14.25},
    {"the start form's yes label", 60, session::kYesText, 12},
    {"the start form's no label", 60, session::kNoText, 12},
    {"the exercise form's go-on label", 60, session::kGoOnText, 14.25},
    {"the exercise form's help button", 100, session::kHelpButtonText, 12},
    {"the exercise form's yes button", 60, session::kYesText, 12},
    {"the exercise form's no button", 60, session::kNoText, 12},
};

constexpr int kDesignDpi = 96;

} // namespace

void checklabels(Context &c, const LanguageFile &language) {
    if (!language.read) return;
    text::Fonts fonts;
    for (const LabelText &l : kLabels) {
        const std::string &text = language.texts.text[l.text];
        const int width = ui::textWidth(fonts, ui::FontSpec{"Arial", l.points}, kDesignDpi, text);
        if (width <= l.width) continue;
        const auto read = static_cast<std::size_t>(languageread(static_cast<int>(l.text)));
        const int line = read < language.lines.size() ? language.lines[read] : 0;
        c.findings.warning(language.shown, line,
                           "text " + std::to_string(l.text) + " " + quoted(text) + " is " +
                               std::to_string(width) + " pixels wide at 640 x 480; " + l.label + " is " +
                               std::to_string(l.width));
    }
}

} // namespace kartino::check
