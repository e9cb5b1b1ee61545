#include "components/RichTextLinks_win.h"

#include "components/Links.h"
#include "components/RichTextStream_win.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/WideText.h"


namespace components {
namespace {

void SetEffects(HWND edit, int32_t start, int32_t end, DWORD mask, DWORD effects)
{
    CHARRANGE range{start, end};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    format.dwEffects = effects;
    SendMessageW(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

// The control as the passes see it: its text read once, and one format
// change per range.
class ControlText final : public LinkText {
public:
    // The story ends in a paragraph mark that the text length leaves out.
    explicit ControlText(HWND edit) : edit_(edit), text_(PositionText(edit) + u"\r") {}

    const std::u16string& Text() override { return text_; }
    void Hide(int32_t start, int32_t end, bool protect) override
    {
        SetEffects(edit_, start, end, CFM_HIDDEN | (protect ? CFM_PROTECTED : 0),
                   CFE_HIDDEN | (protect ? CFE_PROTECTED : 0));
    }
    void MarkLink(int32_t start, int32_t end) override { SetEffects(edit_, start, end, CFM_LINK, CFE_LINK); }

private:
    HWND edit_;
    std::u16string text_;
};

// While the passes change formats nobody is told, nothing is drawn, the
// user's selection and the modified flag stay as they were.
class EditBatch {
public:
    EditBatch(HWND edit, DWORD quietEvents) : edit_(edit)
    {
        const DWORD mask = static_cast<DWORD>(SendMessageW(edit_, EM_GETEVENTMASK, 0, 0));
        cleared_ = mask & quietEvents;
        if (cleared_)
            SendMessageW(edit_, EM_SETEVENTMASK, 0, mask & ~cleared_);
        SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        modified_ = SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0;
        SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
    }
    ~EditBatch()
    {
        SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
        SendMessageW(edit_, EM_SETMODIFY, modified_, 0);
        if (cleared_) {
            const DWORD mask = static_cast<DWORD>(SendMessageW(edit_, EM_GETEVENTMASK, 0, 0));
            SendMessageW(edit_, EM_SETEVENTMASK, 0, mask | cleared_);
        }
        CHARRANGE now{};
        SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&now));
        if (now.cpMin != selection_.cpMin || now.cpMax != selection_.cpMax)
            SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        InvalidateRect(edit_, nullptr, FALSE);
    }
    EditBatch(const EditBatch&) = delete;
    EditBatch& operator=(const EditBatch&) = delete;

private:
    HWND edit_;
    DWORD cleared_ = 0;
    CHARRANGE selection_{};
    bool modified_ = false;
};

constexpr DWORD kQuietEvents = ENM_CHANGE | ENM_SELCHANGE;

bool SelectionIsEmpty(HWND edit) { return SendMessageW(edit, EM_SELECTIONTYPE, 0, 0) == SEL_EMPTY; }

}  // namespace

void RichTextLinkPasses::AfterShow(HWND edit)
{
    {
        EditBatch batch(edit, kQuietEvents | ENM_PROTECTED);
        ControlText text(edit);
        HideBookmarks(text);
    }
    if (!SelectionIsEmpty(edit))
        return;
    EditBatch batch(edit, kQuietEvents);
    ControlText text(edit);
    MarkExternalLinks(text);
}

void RichTextLinkPasses::Delayed(HWND edit)
{
    if (!SelectionIsEmpty(edit))
        return;
    EditBatch batch(edit, kQuietEvents);
    {
        ControlText text(edit);
        MarkPageLinks(text);
    }
    ControlText text(edit);
    MarkAddresses(text);
}

bool ConfirmOpen(HWND owner, const std::wstring& target)
{
    const std::wstring text = L"This link leads neither to a web page nor to an e-mail address:\n\n" + target +
                              L"\n\nOpening it may start a program. Open it anyway?";
    return win::AppMessageBox(owner, text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace components
