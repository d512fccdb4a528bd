#include "ui/tape_window.h"

#include "access/accessibility.h"
#include "access/announcer.h"
#include "core/tape_line.h"
#include "desktop/bell.h"
#include "desktop/message_box.h"
#include "desktop/modal_loop.h"
#include "desktop/window_lifetime.h"
#include "desktop/window_placement.h"
#include "files/atomic_replace.h"
#include "tape/tape.h"
#include "ui/document_view.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orbetta::ui {

void TapeView::mouseDoubleClickEvent(QMouseEvent* event) {
    emit lineChosen(cursorForPosition(event->position().toPoint()).blockNumber());
    event->accept();
}

TapeWindow::~TapeWindow() {
    desktop::stopListening(this);
}

TapeWindow::TapeWindow(orbetta::tape::Tape& tape, QWidget* owner) : QWidget(owner, Qt::Window), tape_(tape) {
    setObjectName("TapeWindow");
    setWindowTitle(tr("Orbetta Tape"));
    resize(300, 360);
    orbetta::access::installAccessibleRoles();

    view_ = new TapeView(this);
    // Shift with the arrows selects.
    setUpDocumentView(*view_, QStringLiteral("TapeText"), tr("Tape"), false);
    view_->setLineWrapMode(QTextEdit::NoWrap);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Older lines leave the top as new ones come, as the file keeps only the newest.
    view_->document()->setMaximumBlockCount(static_cast<int>(orbetta::tape::kKeptLines));
    view_->document()->setUndoRedoEnabled(false);
    view_->installEventFilter(this);
    connect(view_, &TapeView::lineChosen, this, &TapeWindow::recall);

    problem_ = new QLabel(this);
    problem_->setObjectName("TapeProblem");
    problem_->setWordWrap(true);
    problem_->hide();

    // The calculator's chords (Alt with a letter) work here too, so the tape's own buttons take Ctrl keys,
    // which a screen reader reports as their shortcuts.
    const auto withKey = [](QAbstractButton* button, const QKeySequence& key) {
        button->setShortcut(key);
        button->setToolTip(tr("%1 (%2)").arg(button->text(), key.toString(QKeySequence::NativeText)));
    };
    auto* save = new QPushButton(tr("Save as…"), this);
    save->setObjectName("TapeSave");
    withKey(save, QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QPushButton::clicked, this, &TapeWindow::saveAs);
    auto* clear = new QPushButton(tr("Clear"), this);
    clear->setObjectName("TapeClear");
    withKey(clear, QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(clear, &QPushButton::clicked, this, &TapeWindow::clearTape);
    undo_ = new QPushButton(tr("Undo clear"), this);
    undo_->setObjectName("TapeUndo");
    withKey(undo_, QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo_->setEnabled(false);
    connect(undo_, &QPushButton::clicked, this, &TapeWindow::undoClear);
    keep_ = new QCheckBox(tr("Keep between runs"), this);
    keep_->setObjectName("TapeKeep");
    withKey(keep_, QKeySequence(Qt::CTRL | Qt::Key_K));
    keep_->setChecked(tape_.keep());
    connect(keep_, &QCheckBox::toggled, this, &TapeWindow::changeKeep);

    announcer_ = new orbetta::access::Announcer(this);
    announcer_->setObjectName("TapeAnnouncer");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(clear);
    buttons->addWidget(undo_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_, 1);
    layout->addWidget(problem_);
    layout->addLayout(buttons);
    layout->addWidget(keep_);

    tape_.load();
    reload();
    placeBeside(owner);
}

void TapeWindow::placeBeside(const QWidget* owner) {
    // Beside the calculator where there is room, never cut by the screen's edge.
    orbetta::desktop::placeBeside(this, owner);
}

void TapeWindow::reload() {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(tape_.lines().size()));
    for (const std::string& line : tape_.lines())
        lines << qText(line);
    empty_ = lines.isEmpty();
    view_->setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor end(view_->document());
    end.movePosition(QTextCursor::End);
    end.movePosition(QTextCursor::StartOfBlock);
    view_->setTextCursor(end);
    view_->ensureCursorVisible();
    undo_->setEnabled(tape_.canUndoClear());
    showProblem();
}

void TapeWindow::changeKeep(bool keep) {
    // The setting first: another program that finds the file gone asks it before making the file anew.
    emit keepChanged(keep);
    tape_.setKeep(keep);
    showProblem();
    if (!keep) {
        const QString problem = qText(tape_.problem());
        announcer_->announce(problem.isEmpty()
                                 ? tr("The tape is no longer kept between runs and its file is removed; "
                                      "keeping it again writes it back")
                                 : problem);
    } else {
        announcer_->announce(tr("The tape is kept between runs"));
    }
}

void TapeWindow::showProblem() {
    if (keep_->isChecked() != tape_.keep()) {
        // Another program stopped keeping the tape.
        const QSignalBlocker quiet(keep_);
        keep_->setChecked(tape_.keep());
    }
    const QString problem = qText(tape_.problem());
    if (problem == problem_->text())
        return;
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
}

QString TapeWindow::linesTold(std::size_t count) {
    // One line is worded apart: English has no plural form of its own for it.
    if (count == 1)
        return tr("Tape, 1 line");
    return tr("Tape, %n lines", nullptr, static_cast<int>(count));
}

void TapeWindow::open() {
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    view_->setFocus(Qt::OtherFocusReason);
    const auto& lines = tape_.lines();
    QString told = linesTold(lines.size());
    // The last line is often the blank that ends a calculation; the last one with words is told. One that
    // is the last line itself holds the caret, and a screen reader reads it as the view takes the focus.
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        if (!it->empty()) {
            if (it != lines.rbegin())
                told = tr("%1, the last: %2").arg(told, qText(*it));
            break;
        }
    }
    if (!problem_->text().isEmpty())
        told = tr("%1. %2").arg(told, problem_->text());
    announcer_->announce(told);
}

void TapeWindow::addLine(std::string_view line) {
    QTextCursor caret = view_->textCursor();
    const bool atEnd = !caret.hasSelection() && caret.block() == view_->document()->lastBlock();
    QTextCursor end(view_->document());
    end.movePosition(QTextCursor::End);
    if (!empty_)
        end.insertBlock();
    end.insertText(qText(line));
    empty_ = false;
    if (atEnd) {
        end.movePosition(QTextCursor::StartOfBlock);
        view_->setTextCursor(end);
    }
    view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
    showProblem();
}

QStringList TapeWindow::selectedLines() const {
    if (empty_)
        return {};
    const QTextCursor caret = view_->textCursor();
    QTextBlock first = view_->document()->firstBlock();
    QTextBlock last = view_->document()->lastBlock();
    if (caret.hasSelection()) {
        first = view_->document()->findBlock(caret.selectionStart());
        last = view_->document()->findBlock(caret.selectionEnd());
        // A selection that ends at the start of a line does not take that line.
        if (last != first && caret.selectionEnd() == last.position())
            last = last.previous();
    }
    QStringList lines;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        lines << block.text();
        if (block == last)
            break;
    }
    return lines;
}

void TapeWindow::copySelection() const {
    const QStringList lines = selectedLines();
    QGuiApplication::clipboard()->setText(lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + "\n");
}

bool TapeWindow::saveTo(const QString& path) const {
    std::string text;
    for (const std::string& line : tape_.lines())
        text += line + '\n';
    return orbetta::replaceFileAtomically(QFile::encodeName(path).toStdString(), text, 0644);
}

void TapeWindow::saveAs() {
    QString path;
    {
        const orbetta::desktop::ModalLoop loop;
        path = QFileDialog::getSaveFileName(this, tr("Save Tape As"),
                                            QDir::home().filePath(QStringLiteral("tape.txt")),
                                            tr("Text files (*.txt);;All files (*)"));
    }
    if (!path.isEmpty() && !saveTo(path))
        orbetta::desktop::showMessageBox(this, tr("The tape could not be saved to %1.").arg(path),
                                         orbetta::desktop::MessageIcon::Exclamation);
    // Whatever the dialogs were answered, the keyboard comes back to the tape.
    raise();
    activateWindow();
    view_->setFocus(Qt::OtherFocusReason);
}

void TapeWindow::clearTape() {
    if (tape_.lines().empty())
        return;
    tape_.clear();
    reload();
    announcer_->announce(tr("Tape cleared; Undo clear brings it back"));
}

void TapeWindow::undoClear() {
    if (!tape_.canUndoClear())
        return;
    tape_.undoClear();
    reload();
    announcer_->announce(linesTold(tape_.lines().size()));
}

void TapeWindow::recall(int line) {
    const auto& lines = tape_.lines();
    std::optional<std::string> value;
    if (!empty_ && line >= 0 && static_cast<std::size_t>(line) < lines.size())
        value = orbetta::tape_line::value(lines[static_cast<std::size_t>(line)]);
    if (!value) {
        orbetta::desktop::ringBell(view_);
        return;
    }
    emit recalled(qText(*value));
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event) {
    // The view would take Ctrl+C for its own copy of the characters selected, and Enter for nothing.
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelection();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            recall(view_->textCursor().blockNumber());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TapeWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) ||
        (event->key() == Qt::Key_T && modifiers == Qt::ControlModifier)) {
        close();
    } else if (event->matches(QKeySequence::Undo)) {
        undoClear();
    } else if (event->matches(QKeySequence::Copy)) {
        copySelection();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace orbetta::ui
