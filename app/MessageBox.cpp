#include "app/MessageBox.h"

#include "platform/Services.h"

int MessageBox(const char* text, const char* caption, unsigned style) {
    const std::string body = text ? text : "";
    const std::string title = caption ? caption : "";
    if ((style & 0x0F) == MB_YESNO)
        return platform::GetDialogs().AskYesNo(body, title) ? IDYES : IDNO;
    platform::GetDialogs().ShowError(body, title);
    return IDOK;
}
