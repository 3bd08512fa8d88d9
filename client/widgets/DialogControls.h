#pragma once

#include <QString>

class CButtonCR;
class CButtonPNG;
class CDateTimeCtrlEx;
class CEditBoxEx;
class CTransparentStatic;
class QWidget;

// The controls the dialogs and pages share, in one look: buttons, edits, labels,
// check and radio boxes with the skin's pictures and the program's font.
namespace dialogControls {

CButtonPNG* primaryButton(const QString& text, const QString& objectName, QWidget* parent);
CButtonPNG* secondaryButton(const QString& text, const QString& objectName, QWidget* parent);
CEditBoxEx* edit(const QString& objectName, QWidget* parent);
CTransparentStatic* label(const QString& text, const QString& objectName, QWidget* parent);
CButtonCR* checkBox(const QString& text, const QString& objectName, QWidget* parent);
CButtonCR* radioBox(const QString& text, const QString& objectName, QWidget* parent);
// A date picker that shows and takes "yyyy-MM-dd", the form the service's queries use.
CDateTimeCtrlEx* datePicker(const QString& objectName, QWidget* parent);

} // namespace dialogControls
