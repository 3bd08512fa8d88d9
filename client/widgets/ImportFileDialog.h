#pragma once

#include "skin/CDialogEx.h"

class CButtonPNG;
class CEditBoxEx;
class CStaticEx;

// Asks for the file an import reads: a path typed or found with "浏览", and a link
// that downloads the template workbook from the service's web host. "确定" ends with
// Accepted and the path as it stands (empty included); "取消" and the close button
// end with Rejected.
class ImportFileDialog : public CDialogEx {
    Q_OBJECT
public:
    static constexpr const char* kTemplatePath = "/addressbook/demo/通讯录模板.xls";

    explicit ImportFileDialog(QWidget* parent = nullptr);

    QString path() const { return m_path; }

    // "浏览": an open-file dialog whose choice becomes the path.
    void browse();

    CEditBoxEx* pathEdit() const { return m_pathEdit; }
    CStaticEx* templateLink() const { return m_templateLink; }

private:
    QString m_path;
    CEditBoxEx* m_pathEdit;
    CButtonPNG* m_browseButton;
    CStaticEx* m_templateLink;
    CButtonPNG* m_okButton;
    CButtonPNG* m_cancelButton;
};
