#pragma once

#include <string>
#include <string_view>

namespace tabloom {

enum class ColourComponent { Red, Green, Blue };

// Element 0 of the chooser edits the text colour, element 1 the background.
enum class ColourElement { Text = 0, Background = 1 };

// True for an empty text and for one to three digits worth 0..255.
bool ValidComponentText(std::string_view text);

// What a component box holds after an edit, and what to tell the user.
struct ComponentTextOutcome {
    std::string text;     // the text the box is to show
    std::string message;  // empty when the typed text was acceptable
    int value = 0;        // the component the text stands for
};

// Reads a typed component: blanks trimmed; an invalid text is reported and
// replaced by the element's fall-back (black text, white background). An
// empty box counts as 0 but stays empty, so the user can type a new value.
ComponentTextOutcome CheckComponentText(std::string_view typed, ColourElement element,
                                        ColourComponent component);

// "Invalid entry for red value." and the like.
std::string InvalidComponentMessage(ColourComponent component);

}  // namespace tabloom
