// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ValidationCommands.h"

#include "check/ValidationProfiles.h"
#include "document/Document.h"
#include "ui/DocumentCommands.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/ValidationDock.h"

#include <QAction>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillog::ui
{

namespace
{

// The Tools menu, made (before Help) when no other command has made it yet.
QMenu &toolsMenu(QMainWindow &window)
{
    QAction *help = nullptr;
    for (QAction *action : window.menuBar()->actions()) {
        if (action->menu() != nullptr && action->text() == QStringLiteral("&Tools"))
            return *action->menu();
        if (action->text() == QStringLiteral("&Help"))
            help = action;
    }
    auto *menu = new QMenu(QStringLiteral("&Tools"), &window);
    window.menuBar()->insertMenu(help, menu);
    return *menu;
}

QString profileLabel(const ValidationProfile &profile)
{
    return QString::fromLatin1(profile.name.data(), static_cast<qsizetype>(profile.name.size()))
        + QStringLiteral(" (")
        + QString::fromLatin1(profile.service.data(), static_cast<qsizetype>(profile.service.size()))
        + QStringLiteral(")");
}

} // namespace

ValidationCommands::ValidationCommands(
    Document &document, LogTableModel &model, GridView &view, DocumentCommands &commands, QMainWindow &window)
    : QObject(&window)
    , m_document(document)
    , m_model(model)
    , m_view(view)
    , m_commands(commands)
    , m_window(window)
{
    QMenu &tools = toolsMenu(window);
    if (!tools.isEmpty())
        tools.addSeparator();
    m_validate = tools.addAction(QStringLiteral("&Validate..."));
    m_validate->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(m_validate, &QAction::triggered, this, &ValidationCommands::validate);
    m_dock = new ValidationDock(&window);
    window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_dock->hide();
    connect(m_dock, &ValidationDock::findingChosen, this, &ValidationCommands::goToCell);
}

void ValidationCommands::validate()
{
    QStringList labels;
    for (const ValidationProfile &profile : validationProfiles())
        labels << profileLabel(profile);
    bool chosen = false;
    const QString label = QInputDialog::getItem(&m_window, QStringLiteral("Validate"),
        QStringLiteral("Check the log against the rules of:"), labels, m_lastProfile, false, &chosen);
    if (!chosen)
        return;
    m_lastProfile = static_cast<int>(labels.indexOf(label));
    validateWith(validationProfiles()[static_cast<std::size_t>(m_lastProfile)]);
}

void ValidationCommands::validateWith(const ValidationProfile &profile)
{
    const auto report = m_document.validate(profile);
    if (!report)
        return;
    std::map<std::pair<int, int>, LogTableModel::CellNote> tips;
    std::vector<FindingLine> lines;
    lines.reserve(report->findings.size());
    for (const Finding &finding : report->findings) {
        const QString message = QString::fromStdString(finding.message);
        QString value;
        if (finding.column >= 0) {
            const std::string_view text = m_document.table().text(finding.row, finding.column);
            LogTableModel::CellNote &note = tips[{ finding.row, finding.column }];
            note.text = text;
            note.message += (note.message.isEmpty() ? QString() : QStringLiteral("\n")) + message;
            value = decodeCell(text, m_model.encoding());
        }
        lines.push_back({ finding, value });
    }
    m_model.setToolTips(std::move(tips));
    m_model.refreshCells();
    m_dock->showFindings(std::move(lines),
        QString::fromStdString(report->summary(std::string(profile.name), m_document.table().qsoCount())));
    m_dock->show();
    Q_EMIT m_commands.commandDone();
}

void ValidationCommands::goToCell(int row, int column)
{
    m_commands.showRow(row);
    if (column >= m_document.table().fixedColumnCount()) {
        const QModelIndex cell = m_model.index(row - 1, m_model.modelColumn(column));
        m_view.scrollTo(cell);
        m_view.setCurrentIndex(cell);
    }
}

} // namespace quillog::ui
