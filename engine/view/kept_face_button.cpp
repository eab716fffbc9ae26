#include "engine/view/kept_face_button.h"

#include <QEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <vector>

namespace engine {
namespace {

// Everything the style's picture of a push button depends on.
struct FaceLook {
    const QStyle* style = nullptr;
    QStyle::State state;
    QStyleOptionButton::ButtonFeatures features;
    QSize size;
    QString text;
    qint64 iconKey = 0;
    QSize iconSize;
    qint64 paletteKey = 0;
    QFont font;
    qreal ratio = 1;
    Qt::LayoutDirection direction = Qt::LeftToRight;

    bool operator==(const FaceLook&) const = default;
};

FaceLook lookOf(const QStyleOptionButton& option, const QWidget& button) {
    return {button.style(),  option.state,
            option.features, option.rect.size(),
            option.text,     option.icon.cacheKey(),
            option.iconSize, option.palette.cacheKey(),
            button.font(),   button.devicePixelRatio(),
            option.direction};
}

// The kept faces: Qt's pixmap cache owns the pictures (and may drop them), this list only
// remembers which look each one shows. A lesson window has a dozen looks or so.
struct KeptFace {
    FaceLook look;
    QPixmapCache::Key picture;
};

std::vector<KeptFace>& keptFaces() {
    static std::vector<KeptFace> faces;
    return faces;
}

constexpr std::size_t maxKeptFaces = 64;

QPixmap drawnFace(const QStyleOptionButton& option, QWidget& button, qreal ratio) {
    QPixmap face(option.rect.size() * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QStylePainter painter(&face, &button);
    // A painter on a pixmap starts with the application's font, not the button's.
    painter.setFont(button.font());
    painter.drawControl(QStyle::CE_PushButton, option);
    return face;
}

QPixmap faceFor(const QStyleOptionButton& option, QWidget& button) {
    const FaceLook look = lookOf(option, button);
    auto& faces = keptFaces();
    const auto kept = std::find_if(faces.begin(), faces.end(),
                                   [&look](const KeptFace& face) { return face.look == look; });
    QPixmap face;
    if (kept != faces.end() && QPixmapCache::find(kept->picture, &face))
        return face;
    face = drawnFace(option, button, look.ratio);
    if (kept != faces.end()) {
        kept->picture = QPixmapCache::insert(face);
    } else {
        if (faces.size() == maxKeptFaces)
            faces.erase(faces.begin());
        faces.push_back({look, QPixmapCache::insert(face)});
    }
    return face;
}

} // namespace

KeptFaceButton::KeptFaceButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

bool KeptFaceButton::restingLook(const QStyleOptionButton& option) const {
    constexpr auto touchedStates =
        QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On | QStyle::State_HasFocus;
    return !touched_ && !(option.state & touchedStates);
}

bool KeptFaceButton::showsKeptFace() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return restingLook(option);
}

bool KeptFaceButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
    case QEvent::KeyPress:
        touched_ = true;
        break;
    default:
        break;
    }
    return QPushButton::event(event);
}

void KeptFaceButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!restingLook(option)) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter(this).drawPixmap(0, 0, faceFor(option, *this));
}

} // namespace engine
