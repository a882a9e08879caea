#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mosaic {

enum class MessageIcon { Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class FileDialogKind { Open, Save };

// What only the platform can do for the game. The main window implements it;
// tests use a recording fake.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button the player chose.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon, MessageButtons buttons,
                                      MessageAnswer defaultButton) = 0;

    // A piece box has made step `step` (1..steps) of a slide of `steps` steps.
    // The window moves and paints the box and paces the slide, one step per
    // millisecond, without letting user input in.
    virtual void AnimationStep(int box, int step, int steps) = 0;

    // Seed for the random generator, taken from the clock in the game itself.
    virtual std::uint32_t ClockSeed() = 0;

    // A modal file dialog with a filter such as "(*.tsq)|*.tsq"; returns the
    // chosen full path, or nothing when the player cancels.
    virtual std::optional<std::string> ShowFileDialog(FileDialogKind kind,
                                                      const std::string& filter) = 0;
};

}  // namespace mosaic
