// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtHost.h"

#include "core/Progress.h"
#include "ui/ProgressWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <memory>

namespace quillog::ui
{

namespace
{

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Hands the worker's label and percentage to the progress window on the user-interface thread.
// The running flag is the only state both threads touch, and it is atomic.
class WorkerProgress : public Progress
{
public:
    explicit WorkerProgress(ProgressWindow *window)
        : m_window(window)
    {
    }

    void setLabel(std::string_view label) override
    {
        QMetaObject::invokeMethod(
            m_window, [window = m_window, text = fromUtf8(label)] { window->setLabel(text); },
            Qt::QueuedConnection);
    }
    void setPercent(int percent) override
    {
        QMetaObject::invokeMethod(
            m_window, [window = m_window, percent] { window->setPercent(percent); }, Qt::QueuedConnection);
    }
    bool isRunning() const override { return m_running.load(); }
    void stop() { m_running.store(false); }

private:
    ProgressWindow *m_window;
    std::atomic<bool> m_running { true };
};

QMessageBox::Icon iconFor(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Error:
        return QMessageBox::Critical;
    case BoxKind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::Ok:
        return QMessageBox::Ok;
    case BoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer answerFor(int button, BoxButtons buttons)
{
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Closing a Yes/No box without choosing counts as No; any other box as Cancel.
        return buttons == BoxButtons::YesNo ? Answer::No : Answer::Cancel;
    }
}

// A Windows pattern list ("*.adi;*.adif", "*.*") in Qt's form ("*.adi *.adif", "*").
QString qtPatterns(QString patterns)
{
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QStringList parts = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString &part : parts) {
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QString qtFileFilter(std::string_view filter)
{
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts.at(i).trimmed();
        if (text.isEmpty())
            continue;
        // Qt takes the patterns from the text's last brackets, so the real ones replace the shown ones.
        if (text.endsWith(QLatin1Char(')')) && text.contains(QLatin1Char('(')))
            text = text.left(text.lastIndexOf(QLatin1Char('('))).trimmed();
        entries.append(QStringLiteral("%1 (%2)").arg(text, qtPatterns(parts.at(i + 1))));
    }
    return entries.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString &path, std::string_view extension)
{
    if (extension.empty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + fromUtf8(extension);
}

QtHost::QtHost(QWidget *window)
    : m_window(window)
{
}

Answer QtHost::message(BoxKind kind, std::string_view text, BoxButtons buttons)
{
    QMessageBox box(iconFor(kind), QStringLiteral("Quillog"), fromUtf8(text), buttonsFor(buttons), m_window);
    // Messages quote tags such as "<FREQ>", which must not be taken for markup.
    box.setTextFormat(Qt::PlainText);
    return answerFor(box.exec(), buttons);
}

QString dialogStart(const std::string &startPath, const QString &lastFolder)
{
    if (!startPath.empty())
        return QFile::decodeName(startPath.c_str());
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir())
        return lastFolder;
    return QDir::homePath();
}

std::optional<std::string> QtHost::chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    m_lastFolder = QFileInfo(path).absolutePath();
    return QFile::encodeName(path).toStdString();
}

std::optional<std::string> QtHost::chooseFileToOpen(const FileDialogRequest &request)
{
    return chosen(QFileDialog::getOpenFileName(m_window, fromUtf8(request.title),
        dialogStart(request.startPath, m_lastFolder), qtFileFilter(request.filter)));
}

std::optional<std::string> QtHost::chooseFileToSave(const FileDialogRequest &request)
{
    QFileDialog dialog(m_window, fromUtf8(request.title), dialogStart(request.startPath, m_lastFolder),
        qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension));
}

void QtHost::runWorker(WorkerSlot slot, const std::function<void(Progress &)> &work)
{
    Q_EMIT workerStarting(slot);
    ProgressWindow window(m_window);
    WorkerProgress progress(&window);
    connect(&window, &ProgressWindow::stopClicked, &window, [&progress] { progress.stop(); });

    // The document catches whatever its workers throw and reports it; the work never throws here.
    std::unique_ptr<QThread> thread(QThread::create([&work, &progress] { work(progress); }));
    connect(thread.get(), &QThread::finished, &window, &ProgressWindow::workerFinished, Qt::QueuedConnection);
    thread->start();
    Q_EMIT progressWindowShown(&window);
    window.exec();
    thread->wait();
    Q_EMIT workerFinished(slot);
}

void QtHost::titleChanged(std::string_view title)
{
    Q_EMIT titleTextChanged(fromUtf8(title));
}

void QtHost::statusChanged(int pane, std::string_view text)
{
    Q_EMIT statusTextChanged(pane, fromUtf8(text));
}

void QtHost::tableReset()
{
    Q_EMIT tableWasReset();
}

void QtHost::recentFilesChanged()
{
    Q_EMIT recentFilesWereChanged();
}

void QtHost::openWithDefaultProgram(const std::string &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

} // namespace quillog::ui
