// Texts of "prb" shown in labels of a fixed width: at 640 x 480 (design units are pixels, the
// forms' fonts at their design sizes, 96 pixels per inch) each must fit its label.
#include "checks.hpp"

#include "platform/ui/text_render.hpp"

namespace kartino::check {

namespace {

struct LabelText {
    const char *label;
    int width; // design width of the label
    int text;  // instruction text shown in it
    double points;
};

// The forms' fonts are Arial 12; the go-on labels have Arial 14.25 of their own.
constexpr LabelText kLabels[] = {
    {"the start form's variant question", 225, 54, 12},
    {"the start form's offer question", 300, 45, 12},
    {"the start form's go-on label", 100, 61, 14.25},
    {"the start form's yes label", 60, 0, 12},
    {"the start form's no label", 60, 1, 12},
    {"the exercise form's go-on label", 60, 61, 14.25},
    {"the exercise form's help button", 100, 50, 12},
    {"the exercise form's yes button", 60, 0, 12},
    {"the exercise form's no button", 60, 1, 12},
};

constexpr int kDesignDpi = 96;

} // namespace

void checklabels(Context &c, const LanguageFile &language) {
    if (!language.read) return;
    for (const LabelText &l : kLabels) {
        const std::string &text = language.texts.text[static_cast<std::size_t>(l.text)];
        const int width = ui::textWidth(ui::FontSpec{"Arial", l.points}, kDesignDpi, text);
        if (width <= l.width) continue;
        const auto read = static_cast<std::size_t>(languageread(l.text));
        const int line = read < language.lines.size() ? language.lines[read] : 0;
        c.findings.warning(language.shown, line,
                           "text " + std::to_string(l.text) + " " + quoted(text) + " is " + std::to_string(width) +
                               " pixels wide at 640 x 480; " + l.label + " is " + std::to_string(l.width));
    }
}

} // namespace kartino::check
