// Small component classes for the reader, writer and component tests: a
// form-like root with published fields and methods, and an item with one
// property of every kind. Every setter and Loaded call is logged, so that
// tests can check the order in which the reader works.
#ifndef TRAILBOOK_TESTS_CLASSES_TESTCLASSES_H
#define TRAILBOOK_TESTS_CLASSES_TESTCLASSES_H

#include <vector>

#include "platform/vcl/Classes.h"

std::vector<AnsiString>& TestLog();

class TTestFont : public TPersistent {
    TB_DECLARE_CLASS()
public:
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    unsigned Style() const { return style_; }
    void SetStyle(unsigned v) { style_ = v; }

private:
    int height_ = -11;
    unsigned style_ = 0;
};

enum TTestAlign { taNone, taTop, taClient };

class TTestItem : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TTestItem(TComponent* owner);
    ~TTestItem() override;

    int Width() const { return width_; }
    void SetWidth(int v);
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    TTestAlign Align() const { return align_; }
    void SetAlign(TTestAlign v) { align_ = v; }
    TStrings* Items() const { return items_.get(); }
    TTestFont* Font() const { return font_.get(); }
    TTestItem* Buddy() const { return buddy_; }
    void SetBuddy(TTestItem* v) { buddy_ = v; }
    int Extra() const { return extra_; }
    void SetExtra(int v) { extra_ = v; }

    TComponent* ParentItem() const { return parent_; }
    void SetParentComponent(TComponent* parent) override;
    std::vector<TComponent*> ChildComponents() const override { return children_; }

    // "Extra" is streamed through DefineProperties, written when not 0.
    void DefineProperties(TFiler& filer) override;
    void Loaded() override;

    TNotifyEvent OnClick;

private:
    int width_ = 0;
    AnsiString caption_;
    bool visible_ = true;
    double ratio_ = 1.0;
    TTestAlign align_ = taNone;
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
    std::unique_ptr<TTestFont> font_ = std::make_unique<TTestFont>();
    TTestItem* buddy_ = nullptr;
    int extra_ = 0;
    TComponent* parent_ = nullptr;
    std::vector<TComponent*> children_;
};

// A component of another class, for fields that cannot hold it.
class TTestOther : public TComponent {
    TB_DECLARE_CLASS()
public:
    using TComponent::TComponent;
};

class TTestRoot : public TComponent {
    TB_DECLARE_CLASS()
public:
    using TComponent::TComponent;
    void Loaded() override;

    TTestItem* Item1 = nullptr;
    TTestItem* Item2 = nullptr;
    TTestOther* Other1 = nullptr;

    void ItemClick(TObject* sender);
    void Resized(TObject* sender, int width);
    std::vector<TObject*> clicks;
};

// Registers the test classes for creation by name (idempotent) and empties the log.
void PrepareTestClasses();

#endif
