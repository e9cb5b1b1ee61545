#include "frontends/win32/panes/RichTextLinks_win.h"

#include "core/links/LinkTarget.h"
#include "core/links/Links.h"
#include "frontends/win32/panes/RichTextStream_win.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/WideText.h"

#include <richole.h>
#include <tom.h>

#include <optional>

namespace viewer {
namespace {

// The text object model's document; mingw's uuid library lacks its name.
constexpr IID kTextDocumentId = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

win::ComPtr<ITextDocument> TextDocument(HWND edit)
{
    win::ComPtr<IRichEditOle> ole;
    if (!SendMessageW(edit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(ole.Receive())))
        return {};
    return ole.As<ITextDocument>(kTextDocumentId);
}

void SetEffects(HWND edit, int32_t start, int32_t end, DWORD mask, DWORD effects, COLORREF colour = 0)
{
    CHARRANGE range{start, end};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    format.dwEffects = effects;
    format.crTextColor = colour;
    SendMessageW(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

enum class Shown { kAll, kNone, kPart };

// Whether the reader sees a range of the control: one question however long
// the range, to the text object model, else about the selection's format
// (which a control may answer for the first run alone). A range halves only
// where hidden and shown text meet, so finding a boundary costs a few
// questions.
class HiddenProbe {
public:
    explicit HiddenProbe(HWND edit) : edit_(edit), document_(TextDocument(edit)) {}

    int32_t FirstHidden(int32_t start, int32_t end) const
    {
        if (start >= end)
            return end;
        switch (Of(start, end)) {
        case Shown::kAll: return end;
        case Shown::kNone: return start;
        case Shown::kPart: break;
        }
        const int32_t middle = start + (end - start) / 2;
        const int32_t first = FirstHidden(start, middle);
        return first < middle ? first : FirstHidden(middle, end);
    }
    int32_t AfterLastHidden(int32_t start, int32_t end) const
    {
        if (start >= end)
            return start;
        switch (Of(start, end)) {
        case Shown::kAll: return start;
        case Shown::kNone: return end;
        case Shown::kPart: break;
        }
        const int32_t middle = start + (end - start) / 2;
        const int32_t last = AfterLastHidden(middle, end);
        return last > middle ? last : AfterLastHidden(start, middle);
    }
    void AppendShown(std::u16string_view text, int32_t start, int32_t end, std::u16string& out) const
    {
        if (start >= end)
            return;
        switch (Of(start, end)) {
        case Shown::kAll: out += text.substr(start, end - start); return;
        case Shown::kNone: return;
        case Shown::kPart: break;
        }
        const int32_t middle = start + (end - start) / 2;
        AppendShown(text, start, middle, out);
        AppendShown(text, middle, end, out);
    }

private:
    Shown Of(int32_t start, int32_t end) const
    {
        long hidden = tomUndefined;
        win::ComPtr<ITextRange> range;
        win::ComPtr<ITextFont> font;
        if (!document_ || FAILED(document_->Range(start, end, range.Receive())) || !range ||
            FAILED(range->GetFont(font.Receive())) || !font || FAILED(font->GetHidden(&hidden))) {
            CHARRANGE selection{start, end};
            SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
            CHARFORMAT2W format{};
            format.cbSize = sizeof format;
            SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
            hidden = !(format.dwMask & CFM_HIDDEN) ? tomUndefined : format.dwEffects & CFE_HIDDEN ? tomTrue : tomFalse;
        }
        if (hidden == tomFalse)
            return Shown::kAll;
        // A single unit cannot be partly hidden: an unclear answer counts as hidden.
        return hidden == tomTrue || end - start == 1 ? Shown::kNone : Shown::kPart;
    }

    HWND edit_;
    win::ComPtr<ITextDocument> document_;
};

// The control as the passes see it: its text read once, what is hidden
// asked of it, and one format change per range.
class ControlText final : public core::LinkText {
public:
    // The story ends in a paragraph mark that the text length leaves out.
    ControlText(HWND edit, std::optional<COLORREF> linkColour)
        : edit_(edit), text_(PositionText(edit) + u"\r"), hidden_(edit), linkColour_(linkColour)
    {
    }

    const std::u16string& Text() override { return text_; }
    int32_t FirstHidden(int32_t start, int32_t end) override
    {
        return NothingHidden() ? end : hidden_.FirstHidden(start, end);
    }
    int32_t AfterLastHidden(int32_t start, int32_t end) override
    {
        return NothingHidden() ? start : hidden_.AfterLastHidden(start, end);
    }
    void Hide(int32_t start, int32_t end, bool protect) override
    {
        SetEffects(edit_, start, end, CFM_HIDDEN | (protect ? CFM_PROTECTED : 0),
                   CFE_HIDDEN | (protect ? CFE_PROTECTED : 0));
        nothingHidden_ = false;
    }
    void MarkLink(int32_t start, int32_t end) override
    {
        if (linkColour_)
            SetEffects(edit_, start, end, CFM_LINK | CFM_COLOR, CFE_LINK, *linkColour_);
        else
            SetEffects(edit_, start, end, CFM_LINK, CFE_LINK);
    }

private:
    // Some text object models answer a question about a range only after a
    // walk from the start of the text (milliseconds a link in a long page):
    // one question about the whole text's format, one pass over its runs,
    // answers all while nothing is hidden.
    bool NothingHidden()
    {
        if (!nothingHidden_) {
            CHARRANGE all{0, -1};
            SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
            CHARFORMAT2W format{};
            format.cbSize = sizeof format;
            SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
            nothingHidden_ = (format.dwMask & CFM_HIDDEN) && !(format.dwEffects & CFE_HIDDEN);
        }
        return *nothingHidden_;
    }

    HWND edit_;
    std::u16string text_;
    HiddenProbe hidden_;
    std::optional<COLORREF> linkColour_;
    std::optional<bool> nothingHidden_;
};

// While the passes change formats nobody is told, nothing is drawn, the
// user's selection and the modified flag stay as they were, and no step goes
// on the undo stack (Wine answers S_FALSE to the suspension).
class EditBatch {
public:
    EditBatch(HWND edit, DWORD quietEvents) : edit_(edit), document_(TextDocument(edit))
    {
        const DWORD mask = static_cast<DWORD>(SendMessageW(edit_, EM_GETEVENTMASK, 0, 0));
        cleared_ = mask & quietEvents;
        if (cleared_)
            SendMessageW(edit_, EM_SETEVENTMASK, 0, mask & ~cleared_);
        SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        modified_ = SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0;
        SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
        undoSuspended_ = document_ && SUCCEEDED(document_->Undo(tomSuspend, nullptr));
    }
    ~EditBatch()
    {
        if (undoSuspended_)
            document_->Undo(tomResume, nullptr);
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
    win::ComPtr<ITextDocument> document_;
    bool undoSuspended_ = false;
    DWORD cleared_ = 0;
    CHARRANGE selection_{};
    bool modified_ = false;
};

constexpr DWORD kQuietEvents = ENM_CHANGE | ENM_SELCHANGE;

bool SelectionIsEmpty(HWND edit) { return SendMessageW(edit, EM_SELECTIONTYPE, 0, 0) == SEL_EMPTY; }

}  // namespace

void RichTextLinkPasses::AfterShow(HWND edit)
{
    ControlText text(edit, linkColour_);
    {
        EditBatch batch(edit, kQuietEvents | ENM_PROTECTED);
        core::HideBookmarks(text);
    }
    if (!SelectionIsEmpty(edit))
        return;
    EditBatch batch(edit, kQuietEvents);
    core::MarkExternalLinks(text);
}

void RichTextLinkPasses::Delayed(HWND edit)
{
    if (!SelectionIsEmpty(edit))
        return;
    EditBatch batch(edit, kQuietEvents);
    ControlText text(edit, linkColour_);
    core::MarkPageLinks(text);
    core::MarkAddresses(text);
}

std::u16string VisibleText(HWND edit, std::u16string_view text, CHARRANGE range)
{
    std::u16string visible;
    EditBatch batch(edit, kQuietEvents);  // the selection may be asked about
    HiddenProbe(edit).AppendShown(text, range.cpMin, range.cpMax, visible);
    return visible;
}

bool ConfirmOpen(HWND owner, std::u16string_view target)
{
    const std::wstring text = win::Wide(core::OpenQuestion(target));
    return win::AppMessageBox(owner, text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace viewer
