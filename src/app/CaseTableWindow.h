// "ケース一覧": a window beside the main window with every case of the document in one table
// of inputs, results and judgements. It is rebuilt from the document at every change; a
// double-click or Enter on a row makes that case current. It saves the table as CSV and
// copies it to the clipboard as tab-separated text.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class CCaseTableModel;
class CTARVODoc;
class IMessageSink;
class ITextClipboard;
class QCheckBox;
class QSortFilterProxyModel;
class QTableView;

class CCaseTableWindow : public QWidget {
    Q_OBJECT
public:
    // goTo makes the case at an index current, as the previous and next commands do.
    CCaseTableWindow(CTARVODoc& doc, IMessageSink& messages, ITextClipboard& clipboard,
                     std::function<void(int)> goTo, QWidget* parent);

    // Calculates every case again and shows the result.
    void Refresh();

    // Writes the CSV to a file the user chooses; chooser stands in for the file dialog (it
    // returns the path, or an empty text when cancelled).
    void SaveCsv();
    void SetCsvPathChooser(std::function<QString(QWidget*)> chooser) {
        m_chooseCsvPath = std::move(chooser);
    }
    // The rows as shown (sorted, with or without the inputs) as tab-separated text; a
    // clipboard that another program holds gets a message.
    void CopyToClipboard();

    QTableView& View() { return *m_view; }
    QCheckBox& InputsBox() { return *m_inputs; }

private:
    void ShowInputColumns(bool show);
    void Activate(const QModelIndex& index);

    CTARVODoc& m_doc;
    IMessageSink& m_messages;
    ITextClipboard& m_clipboard;
    std::function<void(int)> m_goTo;
    std::function<QString(QWidget*)> m_chooseCsvPath;
    CCaseTableModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_view;
    QCheckBox* m_inputs;
};
