#pragma once
// A label: its back colour, and its caption in its text colour, aligned, wrapped or
// stacked as the element says; a hollow face is drawn as the outline of the letters.

#include <QWidget>

#include "desktop/widgets/caption_layout.h"
#include "desktop/widgets/clickable_widget.h"
#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/widget_basics.h"

class LabelView : public ClickableWidget, public ElementView {
    Q_OBJECT

  public:
    LabelView(QWidget* parent, std::string eventName, EventSink sink);

    void sync(const Element& element) override;
    QWidget* widget() override { return this; }
    // The caption as last copied from the model.
    const QString& text() const { return text_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    WidgetBasics basics_;
    Remembered<std::string> caption_;
    Remembered<ElementColours> colours_;
    Remembered<CaptionStyle> style_;
    Remembered<bool> hollow_;
    QString text_;
    FontSpec fontSpec_;
    ElementColours colourValues_;
    CaptionStyle styleValue_;
    bool hollowValue_ = false;
    std::vector<std::string> menuItems_;
    std::string eventName_;
    EventSink sink_;
};
