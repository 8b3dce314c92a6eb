#include "core/dialogs/colour_checks.h"

#include "core/model/text_helpers.h"

namespace tabloom {

namespace {
constexpr std::size_t kMaxComponentDigits = 3;
constexpr int kMaxComponent = 255;
}  // namespace

bool ValidComponentText(std::string_view text) {
    if (text.empty()) return true;
    if (text.size() > kMaxComponentDigits) return false;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + (ch - '0');
    }
    return value <= kMaxComponent;
}

std::string InvalidComponentMessage(ColourComponent component) {
    switch (component) {
        case ColourComponent::Red:
            return "Invalid entry for red value.";
        case ColourComponent::Green:
            return "Invalid entry for green value.";
        case ColourComponent::Blue:
            break;
    }
    return "Invalid entry for blue value.";
}

ComponentTextOutcome CheckComponentText(std::string_view typed, ColourElement element,
                                        ColourComponent component) {
    ComponentTextOutcome out;
    out.text = TrimBlanks(typed);
    if (!ValidComponentText(out.text)) {
        out.message = InvalidComponentMessage(component);
        out.text = element == ColourElement::Text ? "0" : "255";
    }
    out.value = static_cast<int>(RoundHalfEven(LeadingNumber(out.text)));
    return out;
}

}  // namespace tabloom
