// TObject, TPersistent, TComponent and the run-time type information that the
// form descriptions are read with: each class registers its published
// properties (name, type, getter, setter); forms also register their published
// fields and methods, so that fields and event handlers are found by name.
#ifndef TRAILBOOK_PLATFORM_CLASSES_H
#define TRAILBOOK_PLATFORM_CLASSES_H

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/StringList.h"

class TObject;
class TPersistent;
class TComponent;
class ControlPeer;

// ---------------------------------------------------------------- events
using TNotifyEvent = std::function<void(TObject* Sender)>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;  // bits below
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned short& Key, TShiftState Shift)>;

// ---------------------------------------------------------------- values of a form description
struct FormValue {
    enum Kind { Int, Float, String, Ident, Set, List };
    Kind kind = Int;
    long long intValue = 0;
    double floatValue = 0;
    AnsiString text;                 // String and Ident
    std::vector<AnsiString> items;   // Set (identifiers) and List (strings)

    static FormValue OfInt(long long v) { FormValue f; f.kind = Int; f.intValue = v; return f; }
    static FormValue OfFloat(double v) { FormValue f; f.kind = Float; f.floatValue = v; return f; }
    static FormValue OfString(AnsiString s) { FormValue f; f.kind = String; f.text = std::move(s); return f; }
    static FormValue OfIdent(AnsiString s) { FormValue f; f.kind = Ident; f.text = std::move(s); return f; }
    static FormValue OfSet(std::vector<AnsiString> v) { FormValue f; f.kind = Set; f.items = std::move(v); return f; }
    static FormValue OfList(std::vector<AnsiString> v) { FormValue f; f.kind = List; f.items = std::move(v); return f; }

    // Conversions used by property setters; a value of another kind throws
    // EReadError "Invalid property value".
    long long AsInt() const;
    double AsFloat() const;
    bool AsBool() const;          // the identifiers True / False
    const AnsiString& AsString() const;
    const AnsiString& AsIdent() const;
};

// What a property setter may need while a form description is read.
class TReaderContext {
public:
    explicit TReaderContext(TComponent* root) : root_(root) {}
    TComponent* Root() const { return root_; }
    // Component references (Menu = MainMenu1) are resolved after the whole
    // description has been read.
    void AddFixup(std::function<void()> fixup) { fixups_.push_back({line_, std::move(fixup)}); }
    // Runs the fixups in the order added; a failing one throws EReadError
    // naming the line that asked for it.
    void RunFixups();
    // The line of the description being read, kept with each fixup.
    void SetLine(int line) { line_ = line; }

private:
    struct Fixup {
        int line;
        std::function<void()> run;
    };
    TComponent* root_;
    int line_ = 0;
    std::vector<Fixup> fixups_;
};

// DefineProperties: a component names extra values that it streams itself.
class TFiler {
public:
    using ReadProc = std::function<void(const FormValue&)>;
    using WriteProc = std::function<FormValue()>;
    virtual ~TFiler() = default;
    virtual void DefineProperty(const AnsiString& name, ReadProc read, WriteProc write, bool hasData) = 0;
};

struct TPropInfo {
    enum Type { tkInteger, tkFloat, tkBool, tkString, tkEnum, tkSet, tkStrings, tkClass, tkMethod, tkComponent };
    AnsiString Name;
    Type Kind = tkInteger;
    // Reads the value back for the writer (empty for events and references).
    std::function<FormValue(const TPersistent*)> Get;
    std::function<void(TPersistent*, const FormValue&, TReaderContext&)> Set;
    // tkClass: the nested object whose own properties follow a dot (Font.Name).
    std::function<TPersistent*(TPersistent*)> Object;
};

struct TFieldInfo {
    AnsiString Name;
    // Stores the component in the field; false when its class does not fit.
    std::function<bool(TObject* self, TComponent* value)> Assign;
    std::function<void*(TObject* self)> Address;
};

struct TMethodInfo {
    AnsiString Name;
    // A std::function of the handler's event type, bound to self.
    std::function<std::any(TObject* self)> Bind;
};

struct TClassInfo {
    AnsiString Name;
    const TClassInfo* Parent = nullptr;
    std::function<TComponent*(TComponent* owner)> Create;  // empty for abstract classes
    std::vector<TPropInfo> Properties;
    std::vector<TFieldInfo> Fields;
    std::vector<TMethodInfo> Methods;

    // Searches this class, then its ancestors; names compare without regard to case.
    const TPropInfo* FindProperty(const AnsiString& name) const;
    const TFieldInfo* FindField(const AnsiString& name) const;
    const TMethodInfo* FindMethod(const AnsiString& name) const;
    bool InheritsFrom(const TClassInfo& other) const;
};

// Colours in a form description: a colour name (clRed, clBtnFace ...) or a number.
int ColorFromFormValue(const FormValue& value);
FormValue ColorToFormValue(int color);

// Classes that a form description can create by name.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(const AnsiString& name);

// ---------------------------------------------------------------- objects
class TObject {
public:
    virtual ~TObject() = default;
};

#define TB_DECLARE_CLASS()                                                        \
public:                                                                           \
    static const TClassInfo& StaticClassInfo();                                   \
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }    \
                                                                                  \
private:

class TPersistent : public TObject {
public:
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    const AnsiString& ClassName() const { return ClassInfo().Name; }
    bool InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }
    // Copies the value of another object of a compatible class.
    virtual void Assign(const TPersistent& source);
    virtual void DefineProperties(TFiler& filer) { (void)filer; }
};

// True when obj's class has a published property of that name.
bool HasPublishedProperty(const TPersistent* obj, const AnsiString& name);

class TComponent : public TPersistent {
    TB_DECLARE_CLASS()
public:
    explicit TComponent(TComponent* owner);
    // Frees every owned component (the last first) and leaves its owner.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const AnsiString& Name() const { return name_; }
    // A name must be a valid identifier, unique among the owner's components
    // (compared without regard to case); otherwise EInvalidOperation.
    virtual void SetName(const AnsiString& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // Searches the owned components by name, without regard to case.
    TComponent* FindComponent(const AnsiString& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Counts every change of the owned components (one added or removed) and,
    // for the whole process, every rename, so that a caller that keeps
    // something per component can tell cheaply that it still holds.
    unsigned long long ComponentsChanged() const { return componentsChanged_; }
    static unsigned long long NamesChanged() { return namesChanged_; }

    // Published fields and methods, looked up by name in the class information.
    void* FieldAddress(const AnsiString& name);
    bool HasMethod(const AnsiString& name) const { return ClassInfo().FindMethod(name) != nullptr; }
    std::any MethodAddress(const AnsiString& name);

    // Called on every component of a form after the whole description has been read.
    virtual void Loaded() { loading_ = false; }
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // A component read inside another object's block: a control gets that
    // object as its parent, a menu item joins that menu.
    virtual void SetParentComponent(TComponent* parent) { (void)parent; }
    // Owned components that stand inside this one in a form description.
    virtual std::vector<TComponent*> ChildComponents() const { return {}; }

    // Names of the methods that the reader bound to this component's events
    // (event name -> method name), so that the writer can stream them back.
    std::map<AnsiString, AnsiString>& BoundMethods() { return boundMethods_; }
    const std::map<AnsiString, AnsiString>& BoundMethods() const { return boundMethods_; }

    // The screen peer of a control or menu item while its form is shown.
    ControlPeer* Peer() const { return peer_; }
    void SetPeer(ControlPeer* peer) { peer_ = peer; }

protected:
    ControlPeer* peer_ = nullptr;

private:
    TComponent* owner_ = nullptr;
    AnsiString name_;
    int tag_ = 0;
    bool loading_ = false;
    std::vector<TComponent*> components_;
    unsigned long long componentsChanged_ = 0;
    static inline unsigned long long namesChanged_ = 0;
    std::map<AnsiString, AnsiString> boundMethods_;
};

// ---------------------------------------------------------------- class builder
// Builds the class information of C. Getters and setters are members of C.
template <class C>
class ClassBuilder {
public:
    ClassBuilder(const char* name, const TClassInfo& parent) {
        info_.Name = name;
        info_.Parent = &parent;
        if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>)
            info_.Create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }
    explicit ClassBuilder(const char* name) { info_.Name = name; }

    template <class G, class S>
    ClassBuilder& Int(const char* name, G get, S set) {
        return Custom(name, TPropInfo::tkInteger,
                   [get](const TPersistent* o) { return FormValue::OfInt((Self(o)->*get)()); },
                   [set](TPersistent* o, const FormValue& v, TReaderContext&) { (Self(o)->*set)(static_cast<int>(v.AsInt())); });
    }
    template <class G, class S>
    ClassBuilder& Float(const char* name, G get, S set) {
        return Custom(name, TPropInfo::tkFloat,
                   [get](const TPersistent* o) { return FormValue::OfFloat((Self(o)->*get)()); },
                   [set](TPersistent* o, const FormValue& v, TReaderContext&) { (Self(o)->*set)(v.AsFloat()); });
    }
    template <class G, class S>
    ClassBuilder& Bool(const char* name, G get, S set) {
        return Custom(name, TPropInfo::tkBool,
                   [get](const TPersistent* o) { return FormValue::OfIdent((Self(o)->*get)() ? "True" : "False"); },
                   [set](TPersistent* o, const FormValue& v, TReaderContext&) { (Self(o)->*set)(v.AsBool()); });
    }
    template <class G, class S>
    ClassBuilder& String(const char* name, G get, S set) {
        return Custom(name, TPropInfo::tkString,
                   [get](const TPersistent* o) { return FormValue::OfString((Self(o)->*get)()); },
                   [set](TPersistent* o, const FormValue& v, TReaderContext&) { (Self(o)->*set)(v.AsString()); });
    }
    // An enumeration written as one of names (index = value).
    template <class G, class S>
    ClassBuilder& Enum(const char* name, G get, S set, std::vector<AnsiString> names) {
        return Custom(name, TPropInfo::tkEnum,
                   [get, names](const TPersistent* o) {
                       auto v = static_cast<size_t>((Self(o)->*get)());
                       return FormValue::OfIdent(v < names.size() ? names[v] : AnsiString());
                   },
                   [set, names, name](TPersistent* o, const FormValue& v, TReaderContext&) {
                       for (size_t i = 0; i < names.size(); ++i)
                           if (names[i] == v.AsIdent()) {
                               SetEnum(Self(o), set, static_cast<int>(i));
                               return;
                           }
                       throw EReadError("Invalid property value '" + v.text + "' for " + name);
                   });
    }
    // A set of flags written as [name, ...]; bit i stands for names[i].
    template <class G, class S>
    ClassBuilder& Set(const char* name, G get, S set, std::vector<AnsiString> names) {
        return Custom(name, TPropInfo::tkSet,
                   [get, names](const TPersistent* o) {
                       unsigned bits = static_cast<unsigned>((Self(o)->*get)());
                       std::vector<AnsiString> on;
                       for (size_t i = 0; i < names.size(); ++i)
                           if (bits & (1u << i)) on.push_back(names[i]);
                       return FormValue::OfSet(on);
                   },
                   [set, names, name](TPersistent* o, const FormValue& v, TReaderContext&) {
                       if (v.kind != FormValue::Set) throw EReadError(AnsiString("Invalid property value for ") + name);
                       unsigned bits = 0;
                       for (const auto& item : v.items) {
                           size_t i = 0;
                           while (i < names.size() && names[i] != item) ++i;
                           if (i == names.size()) throw EReadError("Invalid property value '" + item + "' for " + name);
                           bits |= 1u << i;
                       }
                       (Self(o)->*set)(bits);
                   });
    }
    // A TColor: a number or a colour name (clRed, clBtnFace ...).
    template <class G, class S>
    ClassBuilder& Color(const char* name, G get, S set) {
        return Custom(name, TPropInfo::tkInteger,
                   [get](const TPersistent* o) { return ColorToFormValue((Self(o)->*get)()); },
                   [set](TPersistent* o, const FormValue& v, TReaderContext&) { (Self(o)->*set)(ColorFromFormValue(v)); });
    }
    // A string list written as ('line' 'line').
    template <class G>
    ClassBuilder& Strings(const char* name, G get) {
        return Custom(name, TPropInfo::tkStrings,
                   [get](const TPersistent* o) { return FormValue::OfList((Self(o)->*get)()->Lines()); },
                   [get](TPersistent* o, const FormValue& v, TReaderContext&) {
                       if (v.kind != FormValue::List) throw EReadError("Invalid property value: a list was expected");
                       TStrings* s = (Self(o)->*get)();
                       s->Clear();
                       for (const auto& line : v.items) s->Add(line);
                   });
    }
    // A nested object whose properties are written with a dot (Font.Height).
    template <class G>
    ClassBuilder& Object(const char* name, G get) {
        TPropInfo p;
        p.Name = name;
        p.Kind = TPropInfo::tkClass;
        p.Object = [get](TPersistent* o) -> TPersistent* { return (Self(o)->*get)(); };
        info_.Properties.push_back(std::move(p));
        return *this;
    }
    // An event bound by method name: E is the event type, field the member holding it.
    template <class E, class B>
    ClassBuilder& Event(const char* name, E B::*field) {
        AnsiString eventName = name;
        return Custom(name, TPropInfo::tkMethod, nullptr,
                   [field, eventName](TPersistent* o, const FormValue& v, TReaderContext& ctx) {
                       const AnsiString& method = v.AsIdent();
                       std::any bound = BindMethod(ctx.Root(), method);
                       E* handler = std::any_cast<E>(&bound);
                       if (!handler)
                           throw EReadError("Method '" + method + "' does not fit the event " + eventName);
                       Self(o)->*field = *handler;
                       Self(o)->BoundMethods()[eventName] = method;
                   });
    }
    // A reference to another component of the form, by name.
    template <class T, class G, class S>
    ClassBuilder& Reference(const char* name, G get, S set) {
        return Custom(name, TPropInfo::tkComponent,
                   [get](const TPersistent* o) {
                       T* target = (Self(o)->*get)();
                       return FormValue::OfIdent(target ? target->Name() : AnsiString());
                   },
                   [set](TPersistent* o, const FormValue& v, TReaderContext& ctx) {
                       AnsiString target = v.AsIdent();
                       C* self = Self(o);
                       TComponent* root = ctx.Root();
                       ctx.AddFixup([self, set, target, root] {
                           T* found = dynamic_cast<T*>(root->FindComponent(target));
                           if (!found) throw EReadError("Invalid property value: no component '" + target + "'");
                           (self->*set)(found);
                       });
                   });
    }
    // A published field of a form.
    template <class T, class B>
    ClassBuilder& Field(const char* name, T* B::*field) {
        TFieldInfo f;
        f.Name = name;
        f.Assign = [field](TObject* self, TComponent* value) {
            T* typed = dynamic_cast<T*>(value);
            if (!typed) return false;
            static_cast<C*>(self)->*field = typed;
            return true;
        };
        f.Address = [field](TObject* self) -> void* { return &(static_cast<C*>(self)->*field); };
        info_.Fields.push_back(std::move(f));
        return *this;
    }
    // A published method of a form.
    template <class... A>
    ClassBuilder& Method(const char* name, void (C::*method)(A...)) {
        TMethodInfo m;
        m.Name = name;
        m.Bind = [method](TObject* self) -> std::any {
            C* c = static_cast<C*>(self);
            return std::function<void(A...)>([c, method](A... args) { (c->*method)(std::forward<A>(args)...); });
        };
        info_.Methods.push_back(std::move(m));
        return *this;
    }

    // A property that reads and writes its form value itself.
    ClassBuilder& Custom(const char* name, TPropInfo::Type kind, std::function<FormValue(const TPersistent*)> get,
                         std::function<void(TPersistent*, const FormValue&, TReaderContext&)> set) {
        TPropInfo p;
        p.Name = name;
        p.Kind = kind;
        p.Get = std::move(get);
        p.Set = std::move(set);
        info_.Properties.push_back(std::move(p));
        return *this;
    }

    TClassInfo Build() { return std::move(info_); }

private:
    static C* Self(TPersistent* o) { return static_cast<C*>(o); }
    static const C* Self(const TPersistent* o) { return static_cast<const C*>(o); }
    template <class Cls, class R, class A>
    static void SetEnum(C* self, R (Cls::*set)(A), int value) {
        (self->*set)(static_cast<std::decay_t<A>>(value));
    }

    static std::any BindMethod(TComponent* root, const AnsiString& method) {
        const TMethodInfo* m = root ? root->ClassInfo().FindMethod(method) : nullptr;
        if (!m) throw EReadError("Method '" + method + "' not found in " + (root ? root->ClassName() : AnsiString("?")));
        return m->Bind(root);
    }

    TClassInfo info_;
};

#endif
