// Components, their ownership and names, and the class information through
// which form descriptions create components and set their properties by name.
#include "platform/vcl/Classes.h"

#include <algorithm>

#include "platform/core/Strings.h"

// ---------------------------------------------------------------- values of a form description

namespace {
[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }
}  // namespace

long long FormValue::AsInt() const {
    if (kind != Int) InvalidValue();
    return intValue;
}

double FormValue::AsFloat() const {
    if (kind == Int) return static_cast<double>(intValue);
    if (kind != Float) InvalidValue();
    return floatValue;
}

bool FormValue::AsBool() const {
    if (kind == Ident) {
        if (SameText(text, "True")) return true;
        if (SameText(text, "False")) return false;
    }
    InvalidValue();
}

const AnsiString& FormValue::AsString() const {
    if (kind != String) InvalidValue();
    return text;
}

const AnsiString& FormValue::AsIdent() const {
    if (kind != Ident) InvalidValue();
    return text;
}

void TReaderContext::RunFixups() {
    // A fixup may add further fixups; take the list first so that it stays valid.
    while (!fixups_.empty()) {
        auto pending = std::move(fixups_);
        fixups_.clear();
        for (auto& fixup : pending) {
            try {
                fixup.run();
            } catch (const std::exception& e) {
                AnsiString message = e.what();
                throw EReadError(fixup.line > 0 ? "Line " + IntToStr(fixup.line) + ": " + message : message);
            }
        }
    }
}

// ---------------------------------------------------------------- class information

namespace {
template <class T>
const T* FindByName(const TClassInfo* info, std::vector<T> TClassInfo::*list, const AnsiString& name) {
    for (; info; info = info->Parent)
        for (const T& item : info->*list)
            if (SameText(item.Name, name)) return &item;
    return nullptr;
}
}  // namespace

const TPropInfo* TClassInfo::FindProperty(const AnsiString& name) const {
    return FindByName(this, &TClassInfo::Properties, name);
}

const TFieldInfo* TClassInfo::FindField(const AnsiString& name) const {
    return FindByName(this, &TClassInfo::Fields, name);
}

const TMethodInfo* TClassInfo::FindMethod(const AnsiString& name) const {
    return FindByName(this, &TClassInfo::Methods, name);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* info = this; info; info = info->Parent)
        if (info == &other) return true;
    return false;
}

namespace {
// Class names are keyed in upper case: lookups ignore case.
std::map<AnsiString, const TClassInfo*>& ClassRegistry() {
    static std::map<AnsiString, const TClassInfo*> registry;
    return registry;
}
}  // namespace

void RegisterClass(const TClassInfo& info) { ClassRegistry()[UpperCase(info.Name)] = &info; }

const TClassInfo* FindClass(const AnsiString& name) {
    auto& registry = ClassRegistry();
    auto it = registry.find(UpperCase(name));
    return it == registry.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- TPersistent

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TPersistent>("TPersistent").Build();
    return info;
}

void TPersistent::Assign(const TPersistent& source) {
    throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

bool HasPublishedProperty(const TPersistent* obj, const AnsiString& name) {
    return obj && obj->ClassInfo().FindProperty(name) != nullptr;
}

// ---------------------------------------------------------------- TComponent

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TComponent>("TComponent", TPersistent::StaticClassInfo())
                                       .Int("Tag", &TComponent::Tag, &TComponent::SetTag)
                                       .Build();
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    // Each owned component removes itself from components_ as it is destroyed.
    while (!components_.empty()) delete components_.back();
    if (owner_) owner_->RemoveComponent(this);
}

namespace {
bool IsIdentifier(const AnsiString& name) {
    auto isStart = [](unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (name.empty() || !isStart(static_cast<unsigned char>(name[0]))) return false;
    return std::all_of(name.begin() + 1, name.end(), [&](unsigned char c) { return isStart(c) || (c >= '0' && c <= '9'); });
}
}  // namespace

void TComponent::SetName(const AnsiString& name) {
    if (name == name_) return;
    // An empty name is allowed: such a component is simply not found by name.
    if (!name.empty()) {
        if (!IsIdentifier(name)) throw EInvalidOperation("'" + name + "' is not a valid component name");
        if (owner_) {
            TComponent* other = owner_->FindComponent(name);
            if (other && other != this) throw EInvalidOperation("A component named " + name + " already exists");
        }
    }
    name_ = name;
    ++namesChanged_;
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError::OutOfBounds(index);
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    const auto& siblings = owner_->components_;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

TComponent* TComponent::FindComponent(const AnsiString& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : components_)
        if (SameText(component->name_, name)) return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    ++componentsChanged_;
    component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    ++componentsChanged_;
    component->owner_ = nullptr;
}

void* TComponent::FieldAddress(const AnsiString& name) {
    const TFieldInfo* field = ClassInfo().FindField(name);
    return field && field->Address ? field->Address(this) : nullptr;
}

std::any TComponent::MethodAddress(const AnsiString& name) {
    const TMethodInfo* method = ClassInfo().FindMethod(name);
    return method && method->Bind ? method->Bind(this) : std::any();
}
