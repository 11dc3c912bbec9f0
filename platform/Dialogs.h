#pragma once
#include <string>

namespace platform {

// Modal notices: nothing else runs until the user has answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void ShowError(const std::string& text, const std::string& caption) = 0;
    // True for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};

}  // namespace platform
