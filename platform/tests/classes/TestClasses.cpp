#include "platform/tests/classes/TestClasses.h"

#include "platform/core/Strings.h"

std::vector<AnsiString>& TestLog() {
    static std::vector<AnsiString> log;
    return log;
}

const TClassInfo& TTestFont::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TTestFont>("TTestFont", TPersistent::StaticClassInfo())
                                       .Int("Height", &TTestFont::Height, &TTestFont::SetHeight)
                                       .Set("Style", &TTestFont::Style, &TTestFont::SetStyle, {"fsBold", "fsItalic"})
                                       .Build();
    return info;
}

const TClassInfo& TTestItem::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TTestItem>("TTestItem", TComponent::StaticClassInfo())
            .Int("Width", &TTestItem::Width, &TTestItem::SetWidth)
            .String("Caption", &TTestItem::Caption, &TTestItem::SetCaption)
            .Bool("Visible", &TTestItem::Visible, &TTestItem::SetVisible)
            .Float("Ratio", &TTestItem::Ratio, &TTestItem::SetRatio)
            .Enum("Align", &TTestItem::Align, &TTestItem::SetAlign, {"taNone", "taTop", "taClient"})
            .Strings("Items", &TTestItem::Items)
            .Object("Font", &TTestItem::Font)
            .Reference<TTestItem>("Buddy", &TTestItem::Buddy, &TTestItem::SetBuddy)
            .Event("OnClick", &TTestItem::OnClick)
            .Build();
    return info;
}

TTestItem::TTestItem(TComponent* owner) : TComponent(owner) {}

TTestItem::~TTestItem() { TestLog().push_back("free " + Name()); }

void TTestItem::SetWidth(int v) {
    width_ = v;
    TestLog().push_back(Name() + ".Width" + (Loading() ? " loading" : ""));
}

void TTestItem::SetCaption(const AnsiString& v) {
    caption_ = v;
    TestLog().push_back(Name() + ".Caption");
}

void TTestItem::SetParentComponent(TComponent* parent) {
    parent_ = parent;
    if (auto* item = dynamic_cast<TTestItem*>(parent)) item->children_.push_back(this);
}

void TTestItem::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Extra", [this](const FormValue& v) { extra_ = static_cast<int>(v.AsInt()); },
        [this] { return FormValue::OfInt(extra_); }, extra_ != 0);
}

void TTestItem::Loaded() {
    TComponent::Loaded();
    TestLog().push_back("Loaded " + Name() + (buddy_ ? " buddy " + buddy_->Name() : ""));
}

const TClassInfo& TTestOther::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TTestOther>("TTestOther", TComponent::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TTestRoot::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TTestRoot>("TTestRoot", TComponent::StaticClassInfo())
                                       .Field("Item1", &TTestRoot::Item1)
                                       .Field("Item2", &TTestRoot::Item2)
                                       .Field("Other1", &TTestRoot::Other1)
                                       .Method("ItemClick", &TTestRoot::ItemClick)
                                       .Method("Resized", &TTestRoot::Resized)
                                       .Build();
    return info;
}

void TTestRoot::Loaded() {
    TComponent::Loaded();
    TestLog().push_back("Loaded root");
}

void TTestRoot::ItemClick(TObject* sender) { clicks.push_back(sender); }
void TTestRoot::Resized(TObject*, int) {}

void PrepareTestClasses() {
    RegisterClass(TTestItem::StaticClassInfo());
    RegisterClass(TTestOther::StaticClassInfo());
    TestLog().clear();
}
