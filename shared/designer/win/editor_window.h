#pragma once
// Form3, the record editor window every designer program opens on: it draws the suite's
// face, lays out the program's boxes and labels, and hands every action to RecordEditor.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "designer/win/designer.h"
#include "designer/win/piece_printer.h"
#include "designer/win/print_choice_menu.h"
#include "record/editor.h"
#include "designer/win/editor_boxes.h"
#include "win32/label_window.h"
#include "win32/message_box.h"

namespace papyrka {

class EditorWindow final : public win::LabelWindow, private EditorView, public EditorContext {
public:
    enum class OnDestroy { EndProgram, KeepRunning };   // tests keep their own thread going

    // `folder` holds the record file; the program passes its executable's folder.
    EditorWindow(const Designer& designer, std::u16string folder, OnDestroy onDestroy = OnDestroy::EndProgram);
    // The window keeps a reference to its designer, which must outlive it: never a temporary.
    EditorWindow(Designer&&, std::u16string, OnDestroy = OnDestroy::EndProgram) = delete;
    ~EditorWindow() override;

    bool Open();   // creates, loads the record file, centres and shows the window

    RecordEditor& Editor() { return editor_; }
    const EditorBoxes& Boxes() const { return boxes_; }
    HWND Box(std::string_view control) const;   // nullptr for a control the program lacks
    std::u16string RecordFilePath() const;

    // EditorContext
    std::u16string BoxText(std::string_view control) const override;
    void StoreCurrentRecord() override { editor_.StoreCurrentRecord(); }
    const RecordList& Records() const override { return editor_.Records(); }
    HWND Window() const override { return hwnd(); }
    std::u16string_view ProgramTitle() const override { return designer_.tables.programTitle; }
    PiecePrinter& Printer() { return printer_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Event handlers of the design.
    bool Form_Create();
    void Form_Load();
    bool Form_Unload();   // false when the list could not be saved
    void Form_MouseMove() override;
    void Image1_Click() { editor_.Previous(); }
    void Image2_Click() { editor_.Next(); }
    void Label9_Click() { RunButton(designer_.tables.label9); }
    void Label10_Click() { editor_.Create(); }
    void Label11_Click() { editor_.Delete(); }
    void Label12_Click() { editor_.Search(); }
    void Label13_Click() { RunButton(designer_.tables.label13); }
    void Label14_Click();
    void Label19_Click();
    void Label10_MouseMove() { Highlight("Label10"); }
    void Label11_MouseMove() { Highlight("Label11"); }
    void Label12_MouseMove() { Highlight("Label12"); }
    void Label13_MouseMove() { Highlight("Label13"); }
    void Label14_MouseMove() { Highlight("Label14"); }
    void Label19_MouseMove() { Highlight("Label19"); }

    // LabelWindow: the labels by name, and the two arrow images (0 Image1, 1 Image2).
    void PaintBackground(HDC dc) override;
    void Label_Click(int label) override;
    void Label_MouseMove(int label) override;
    int ImageAt(POINT pixel) const override;
    bool ImageActs(int) const override { return true; }
    void Image_Click(int image) override { image == 0 ? Image1_Click() : Image2_Click(); }
    void OnDpiChanged() override { boxes_.Place(Mapping(), Fonts()); }

    // Window messages.
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSysCommand(WPARAM command);
    void OnActivate(bool active);
    void OnEndSession(bool ending);
    void OnClose();
    void ShowLoadMessages();

    void Highlight(std::string_view label);
    void RunButton(ButtonAction action);

    // EditorView
    std::u16string BoxText(int field) const override { return boxes_.Text(field); }
    void SetBoxText(int field, std::u16string_view text) override { boxes_.SetText(field, text); }
    void EnableBoxes(bool enabled) override;
    void ShowPosition(std::u16string_view line) override;
    void Beep() override { MessageBeep(MB_OK); }
    bool AskYesNo(std::u16string_view question) override;
    void ShowMessage(std::u16string_view text) override;
    void FocusBox(int field) override { boxes_.Focus(field); }
    bool GetSearchStr(bool& firstRecord, std::u16string& text) override;

    const Designer& designer_;
    std::u16string folder_;
    OnDestroy onDestroy_;
    RecordEditor editor_;
    PiecePrinter printer_;
    PrintChoiceMenu choiceMenu_;
    HWND messageOwner_ = nullptr;
    win::MessageBoxReporter reporter_;   // record file errors, over this window
    EditorBoxes boxes_;
    win::Brush boxBrush_;
    std::vector<std::u16string> loadMessages_;   // shown once the window is up
    HWND focusBeforeDeactivation_ = nullptr;
};

}  // namespace papyrka
