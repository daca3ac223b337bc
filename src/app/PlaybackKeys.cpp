#include "PlaybackKeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {

using Action = PlaybackKeys::Action;

struct Binding
{
    int keys;
    Action action;
};

// Keypad keys match with or without the keypad modifier (Qt tries both).
const Binding bindings[] = {
    {Qt::Key_Space, Action::TogglePlay},
    {Qt::Key_Left, Action::Back},
    {Qt::Key_Right, Action::Forward},
    {int(Qt::ALT) | Qt::Key_Return, Action::FullScreen},
    {int(Qt::ALT) | Qt::Key_Enter, Action::FullScreen},
    {Qt::Key_Enter, Action::FullScreen},
    {Qt::Key_PageUp, Action::PreviousClip},
    {Qt::Key_PageDown, Action::NextClip},
    {Qt::Key_BracketLeft, Action::PreviousEvent},
    {Qt::Key_BracketRight, Action::NextEvent},
    {Qt::Key_I, Action::MarkIn},
    {Qt::Key_O, Action::MarkOut},
};

} // namespace

PlaybackKeys::PlaybackKeys(QWidget *window)
    : QObject(window)
{
    for (const Binding &binding : bindings) {
        auto *shortcut = new QShortcut(QKeySequence(binding.keys), window);
        shortcut->setContext(Qt::WindowShortcut);
        const Action action = binding.action;
        connect(shortcut, &QShortcut::activated, this, [this, action] { trigger(action); });
    }
}

bool PlaybackKeys::handle(const QKeyEvent *event)
{
    const int keys = event->key() | int(event->modifiers() & ~Qt::KeypadModifier);
    for (const Binding &binding : bindings) {
        if (binding.keys == keys) {
            trigger(binding.action);
            return true;
        }
    }
    return false;
}

void PlaybackKeys::trigger(Action action)
{
    switch (action) {
    case Action::TogglePlay:
        emit togglePlay();
        break;
    case Action::Back:
        emit seekBy(-1);
        break;
    case Action::Forward:
        emit seekBy(1);
        break;
    case Action::FullScreen:
        emit toggleFullScreen();
        break;
    case Action::PreviousClip:
        emit previousClip();
        break;
    case Action::NextClip:
        emit nextClip();
        break;
    case Action::PreviousEvent:
        emit previousEvent();
        break;
    case Action::NextEvent:
        emit nextEvent();
        break;
    case Action::MarkIn:
        emit markIn();
        break;
    case Action::MarkOut:
        emit markOut();
        break;
    }
}
