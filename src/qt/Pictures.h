#pragma once

#include <QCursor>
#include <QIcon>

#include <string>

class QWidget;

namespace kv380::qt {

// The model names its pictures (platform/ui/Pictures.h) or gives a file path; these turn them into what Qt
// shows. Standard pictures come from the widget's style, so they match the desktop theme.

// The icon of a named picture or of an image file (SVG drawings included); a null icon for "" or a file
// that cannot be read.
QIcon pictureIcon(const std::string& picture, const QWidget* styleSource);
// The style's icon of a plain file, made once per style: making it reads and decodes several pictures,
// which would dominate the creation of a page of list elements.
QIcon fileIcon(const QWidget* styleSource);
// The pointer shown while a control is dragged with this drag icon.
QCursor dragCursor(const std::string& dragIcon);
// The Qt pointer of a runtime pointer code (platform/ui/MousePointer.h); the default code gives an arrow.
Qt::CursorShape pointerShape(int code);

} // namespace kv380::qt
