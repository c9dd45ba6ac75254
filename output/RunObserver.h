#pragma once

#include <QString>

// The state picture of a line of the generated-file list (indexes of the list's picture set).
enum class FileState {
    Errors = 0,       // warning triangle: created with errors
    Ok = 1,           // green check: generated successfully
    DataProblem = 2,  // database symbol: shown only in the legend
    Filling = 3,      // hourglass: being written
};

// A completed line of the generated-file list.
struct FileListLine {
    QString name;   // "Arquivo Gerado"
    QString lines;  // "Linhas"
    QString date;   // "Data", ddmmyyyy
    QString size;   // "Tamanho", "N Kb"
    FileState state = FileState::Ok;
    QString filePath;  // the generated file
    QString logPath;   // its error log (present only when state is Errors)
};

enum class ProgressBar {
    File,  // p1: the file being written
    Run,   // p2: the files of the run
};

enum class MessageIcon { None, Information, Warning, Error, Question };

struct OperatorMessage {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

// What the operator sees of a run. The windows draw it, the command line prints it, tests record
// it. No core code shows anything itself.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The checks passed: the list is emptied and the files are about to be written.
    virtual void runStarted() {}
    // The last file is written; the final question follows.
    virtual void runFinished() {}
    // A line is added for a file about to be written (hourglass); it becomes the current line.
    virtual void fileStarted(const QString& name) = 0;
    // The current line is completed.
    virtual void fileCompleted(const FileListLine& line) = 0;
    virtual void progressChanged(ProgressBar bar, int position, int maximum) = 0;
    // A chance to process pending window events.
    virtual void processEvents() {}
    virtual void showMessage(const OperatorMessage& message) = 0;
    virtual bool askYesNo(const OperatorMessage& question, bool defaultYes) = 0;
};
