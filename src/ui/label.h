#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A caption on a page: text and background colours, emphasis, an optional
// border, and a click notification (the page selectors and letter indexes are
// labels). Captions of several lines join them with CR LF, which the label
// keeps as given and shows as line breaks.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr, const QString& name = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    QColor textColor() const;
    void setTextColor(const QColor& color);
    QColor backgroundColor() const;
    void setBackgroundColor(const QColor& color);
    // Lets what lies behind show through.
    void setTransparent();
    bool isTransparent() const { return !autoFillBackground(); }
    void setBordered(bool bordered);
    void setEmphasis(bool bold, bool underline);
    // Makes the font a little smaller, down to three quarters of its size,
    // until the caption's widest line fits the label.
    void shrinkToFit();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
};

} // namespace ui
