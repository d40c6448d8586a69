// A rich text box over the platform's RichEdit20W control.
//
// Text crosses this boundary as UTF-8; the control is spoken to in UTF-16.
// Positions and lengths count UTF-16 units (the control's own: a character
// outside the BMP is two) and a line break as the two characters CR LF, the way
// Text() shows it, even though the control stores a break as one character.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <string>

class RichTextBox {
public:
    RichTextBox() = default;
    explicit RichTextBox(HWND hwnd) { Attach(hwnd); }

    // Takes over an existing RichEdit20W window: sets its base font to Arial 10
    // (an unset rich edit writes its text as "System" bold), lifts the 32K text
    // limit and switches on plain-text paste-free rich text mode.
    void Attach(HWND hwnd);
    HWND Hwnd() const { return hwnd_; }

    // Creates a RichEdit20W child window (loads riched20.dll on first use).
    static HWND Create(HWND parent, int id, DWORD style, int x, int y, int w, int h);
    static void LoadLibraryOnce();

    std::string Text() const;                 // line breaks as CR LF
    void SetText(const std::string& text);    // plain text in the base format
    std::string TextRTF() const;              // whole content as one RTF document
    void SetTextRTF(const std::string& rtf);  // replaces content and formatting
    std::string SelRTF() const;               // the selection as an RTF document
    void SetSelRTF(const std::string& rtf);   // replaces the selection by the document

    long SelStart() const;
    void SetSelStart(long start);             // collapses the selection at start
    long SelLength() const;
    void SetSelLength(long length);           // from the current start
    void Select(long start, long length);
    // Selects by the control's own positions (a break = 1), reading no text:
    // for callers that walk a long text and keep the positions themselves.
    void SelectInControl(long first, long last);
    std::string SelText() const;
    void SetSelText(const std::string& text); // in the current format at the selection

    void SetSelBold(bool on);
    void SetSelItalic(bool on);
    void SetSelUnderline(bool on);
    void SetSelStrikeThru(bool on);
    void SetSelColor(COLORREF color);
    void SetSelFontName(const std::string& name);
    void SetSelFontSize(double points);

    // Format of the selection (or of the insertion point when it is empty).
    bool SelBold() const;
    bool SelItalic() const;
    bool SelUnderline() const;
    bool SelStrikeThru() const;
    COLORREF SelColor() const;
    std::string SelFontName() const;
    double SelFontSize() const;

    // Base font name of the box (the font of text set through SetText).
    void SetFontName(const std::string& name);
    std::string FontName() const { return baseFont_; }

    // Whole content to or from an RTF file. False when the file cannot be
    // opened or read; the content is then left as it was.
    bool LoadFile(const std::string& path);
    // Writes the RTF through a temporary file that then replaces the old one;
    // false, the old file kept whole, when that fails.
    bool SaveFile(const std::string& path) const;

    // Number of characters as Text() counts them (CR LF is two).
    long Length() const;

    // Position conversions between Text() positions (CR LF = 2) and the
    // control's own positions (a break = 1).
    long ToControl(long textPos) const;
    long FromControl(long controlPos) const;

private:
    void ApplyCharFormat(const CHARFORMAT2W& cf) const;
    CHARFORMAT2W SelCharFormat(DWORD mask) const;
    std::string StreamOut(DWORD flags) const;
    void StreamIn(const std::string& rtf, DWORD flags);

    HWND hwnd_ = nullptr;
    std::string baseFont_ = "Arial";
};
