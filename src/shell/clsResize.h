#pragma once
#include <QPointer>
#include <QWidget>
#include <vector>

// Makes a screen's controls follow the screen's size: records each control's design geometry once
// and scales it by the ratio of the present inner size to the recorded one. Fonts are not scaled.
// A control's "Tag" property beginning with "@" lists the scaled properties: L, T, W, H.
class clsResize
{
public:
    clsResize() = default;
    ~clsResize();

    QWidget *SourceForm() const { return form_; }
    void SourceForm(QWidget *New_SourceForm);
    void SizeFormToScreen(quint8 Percent);
    void ResizeControls();

    // The widget whose size counts (a main window's central widget, else the form itself).
    QWidget *inner() const;

private:
    struct Posizione {
        QPointer<QWidget> controllo;
        int left = 0, top = 0, width = 0, height = 0;
    };
    void Initialise();

    QPointer<QWidget> form_;
    int BaseWidth = 0;
    int BaseHeight = 0;
    std::vector<Posizione> ControlPositions;
    bool FirstTime = true;
};
