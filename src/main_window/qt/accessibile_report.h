// What assistive technology reads of the client area: the printed lines as
// one text, in order, each line as printed.
#pragma once

#include <QAccessibleWidget>

class VistaReport;

class AccessibileReport : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibileReport(VistaReport* Vista);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    VistaReport* vista() const;
};

// Makes Qt ask AccessibileReport about every VistaReport; once is enough.
void InstallaAccessibilitaReport();
