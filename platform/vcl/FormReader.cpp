// Reading and writing text form descriptions. The reader creates components by
// class name and sets their properties through the class information as it
// parses, in one pass; the writer streams a component tree back in the same
// syntax. The reader stops with an EReadError on any malformed input: nesting
// is limited, numbers are range-checked, and every token is bounded by the
// text itself.
#include "platform/vcl/FormReader.h"

#include <charconv>
#include <cmath>
#include <set>
#include <string_view>

#include "platform/core/Strings.h"

namespace {

// Deeper nesting of objects or collections than this is refused, so that a
// hostile description cannot exhaust the stack.
constexpr int MaxDepth = 64;

[[noreturn]] void Fail(int line, const AnsiString& message) {
    throw EReadError("Line " + IntToStr(line) + ": " + message);
}

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(unsigned char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// ---------------------------------------------------------------- tokens

enum class Tok { End, Symbol, Integer, Float, String, Binary, Char };

struct Token {
    Tok type = Tok::End;
    AnsiString text;  // symbol, string contents, hex digits, or a number as written
    long long intValue = 0;
    double floatValue = 0;
    char ch = 0;
    int line = 1;

    bool IsChar(char c) const { return type == Tok::Char && ch == c; }
    bool IsSymbol(const char* word) const { return type == Tok::Symbol && SameText(text, word); }
    bool IsObjectKeyword() const { return IsSymbol("object") || IsSymbol("inherited") || IsSymbol("inline"); }
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) { Advance(); }

    const Token& Peek() const { return token_; }
    Token Take() {
        Token taken = std::move(token_);
        Advance();
        return taken;
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    unsigned char Current() const { return static_cast<unsigned char>(text_[pos_]); }
    unsigned char At(size_t offset) const {
        return pos_ + offset < text_.size() ? static_cast<unsigned char>(text_[pos_ + offset]) : 0;
    }

    void SkipBlanks() {
        while (!AtEnd() && Current() <= ' ') {
            if (Current() == '\n') ++line_;
            ++pos_;
        }
    }

    void Advance() {
        SkipBlanks();
        token_ = Token();
        token_.line = line_;
        if (AtEnd()) return;
        unsigned char c = Current();
        if (IsLetter(c)) {
            ReadSymbol();
        } else if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && (IsDigit(At(1)) || At(1) == '$'))) {
            ReadNumber();
        } else if (c == '\'' || c == '#') {
            ReadString();
        } else if (c == '{') {
            ReadBinary();
        } else if (std::string_view("=:[](),<>+-.").find(static_cast<char>(c)) != std::string_view::npos) {
            token_.type = Tok::Char;
            token_.ch = static_cast<char>(c);
            ++pos_;
        } else {
            Fail(line_, "Invalid character #" + IntToStr(c));
        }
    }

    // Identifiers may hold dots: Font.Style, Items.Strings.
    void ReadSymbol() {
        size_t start = pos_;
        while (!AtEnd() && (IsLetter(Current()) || IsDigit(Current()) || Current() == '.')) ++pos_;
        token_.type = Tok::Symbol;
        token_.text.assign(text_.substr(start, pos_ - start));
    }

    void ReadNumber() {
        size_t start = pos_;
        bool negative = Current() == '-';
        if (Current() == '-' || Current() == '+') ++pos_;
        if (!AtEnd() && Current() == '$') {
            ++pos_;
            size_t digits = pos_;
            while (!AtEnd() && IsHexDigit(Current())) ++pos_;
            unsigned long long value = 0;
            auto result = std::from_chars(text_.data() + digits, text_.data() + pos_, value, 16);
            if (pos_ == digits || result.ec != std::errc()) Fail(line_, "Invalid hexadecimal number");
            token_.type = Tok::Integer;
            // Wide hexadecimal values keep their bits, as colour and flag words are written.
            token_.intValue = static_cast<long long>(negative ? 0 - value : value);
        } else {
            while (!AtEnd() && IsDigit(Current())) ++pos_;
            bool isFloat = false;
            if (!AtEnd() && Current() == '.' && IsDigit(At(1))) {
                isFloat = true;
                ++pos_;
                while (!AtEnd() && IsDigit(Current())) ++pos_;
            }
            if (!AtEnd() && (Current() == 'e' || Current() == 'E') &&
                (IsDigit(At(1)) || ((At(1) == '-' || At(1) == '+') && IsDigit(At(2))))) {
                isFloat = true;
                pos_ += 2;
                while (!AtEnd() && IsDigit(Current())) ++pos_;
            }
            // from_chars accepts no leading '+'.
            size_t from = text_[start] == '+' ? start + 1 : start;
            const char* first = text_.data() + from;
            const char* last = text_.data() + pos_;
            if (isFloat) {
                auto result = std::from_chars(first, last, token_.floatValue);
                if (result.ec != std::errc() || result.ptr != last) Fail(line_, "Invalid floating point number");
                token_.type = Tok::Float;
            } else {
                auto result = std::from_chars(first, last, token_.intValue);
                if (result.ec != std::errc() || result.ptr != last) Fail(line_, "Integer out of range");
                token_.type = Tok::Integer;
            }
        }
        if (!AtEnd() && (IsLetter(Current()) || IsDigit(Current()))) Fail(line_, "Invalid number");
        token_.text.assign(text_.substr(start, pos_ - start));
    }

    // 'text' with '' for a quote, and #nn / #$hh character codes, run together.
    void ReadString() {
        token_.type = Tok::String;
        while (!AtEnd() && (Current() == '\'' || Current() == '#')) {
            if (Current() == '\'') {
                ++pos_;
                for (;;) {
                    if (AtEnd() || Current() == '\n' || Current() == '\r') Fail(line_, "Unterminated string");
                    if (Current() == '\'') {
                        if (At(1) != '\'') break;
                        ++pos_;
                    }
                    token_.text += static_cast<char>(Current());
                    ++pos_;
                }
                ++pos_;  // the closing quote
            } else {
                ++pos_;
                int base = 10;
                if (!AtEnd() && Current() == '$') {
                    base = 16;
                    ++pos_;
                }
                size_t digits = pos_;
                while (!AtEnd() && (base == 16 ? IsHexDigit(Current()) : IsDigit(Current()))) ++pos_;
                unsigned code = 0;
                auto result = std::from_chars(text_.data() + digits, text_.data() + pos_, code, base);
                if (pos_ == digits || result.ec != std::errc() || code > 255) Fail(line_, "Invalid character code");
                token_.text += static_cast<char>(code);
            }
        }
    }

    // {hex digits}, kept as the digits alone.
    void ReadBinary() {
        ++pos_;
        token_.type = Tok::Binary;
        while (!AtEnd() && Current() != '}') {
            if (Current() == '\n') ++line_;
            if (IsHexDigit(Current()))
                token_.text += static_cast<char>(Current());
            else if (Current() > ' ')
                Fail(line_, "Invalid binary value");
            ++pos_;
        }
        if (AtEnd()) Fail(token_.line, "Unterminated binary value");
        ++pos_;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    Token token_;
};

// ---------------------------------------------------------------- DefineProperties

// Collects the extra values a component defines, for the reader and the writer.
class DefinitionCollector : public TFiler {
public:
    struct Definition {
        AnsiString name;
        ReadProc read;
        WriteProc write;
        bool hasData;
    };
    void DefineProperty(const AnsiString& name, ReadProc read, WriteProc write, bool hasData) override {
        definitions.push_back({name, std::move(read), std::move(write), hasData});
    }
    const Definition* Find(const AnsiString& name) const {
        for (const auto& d : definitions)
            if (SameText(d.name, name)) return &d;
        return nullptr;
    }
    std::vector<Definition> definitions;
};

// ---------------------------------------------------------------- reader

struct ObjectHeader {
    AnsiString name;
    AnsiString className;
    int line = 1;
};

// object Name: TClass, or object TClass for an unnamed one; inherited and
// inline stand for object; an index [n] after the class is passed over.
ObjectHeader ReadHeader(Lexer& lexer) {
    ObjectHeader header;
    header.line = lexer.Peek().line;
    if (!lexer.Peek().IsObjectKeyword()) Fail(header.line, "'object' expected");
    lexer.Take();
    if (lexer.Peek().type != Tok::Symbol) Fail(lexer.Peek().line, "Component name expected");
    header.className = lexer.Take().text;
    if (lexer.Peek().IsChar(':')) {
        lexer.Take();
        if (lexer.Peek().type != Tok::Symbol) Fail(lexer.Peek().line, "Class name expected");
        header.name = header.className;
        header.className = lexer.Take().text;
    }
    if (lexer.Peek().IsChar('[')) {
        lexer.Take();
        if (lexer.Peek().type != Tok::Integer) Fail(lexer.Peek().line, "Index expected");
        lexer.Take();
        if (!lexer.Peek().IsChar(']')) Fail(lexer.Peek().line, "']' expected");
        lexer.Take();
    }
    return header;
}

class Reader {
public:
    Reader(const AnsiString& text, TComponent* root) : lexer_(text), root_(root), context_(root) {}

    void Read() {
        try {
            ReadRoot();
            context_.RunFixups();
        } catch (...) {
            for (TComponent* component : read_) component->SetLoading(false);
            throw;
        }
        CallLoaded();
    }

private:
    void ReadRoot() {
        ObjectHeader header = ReadHeader(lexer_);
        if (!SameText(header.className, root_->ClassName()))
            Fail(header.line, "The description of a " + header.className + " cannot be read into a " + root_->ClassName());
        root_->SetLoading(true);
        read_.push_back(root_);
        try {
            root_->SetName(UniqueRootName(header.name));
        } catch (const std::exception& e) {
            Fail(header.line, e.what());
        }
        ReadBody(root_, 0);
        if (lexer_.Peek().type != Tok::End) Fail(lexer_.Peek().line, "End of description expected");
    }

    // A form made twice under the same owner gets Name_1, Name_2 ... as the
    // second name, so that names stay unique among the owner's components.
    AnsiString UniqueRootName(const AnsiString& name) const {
        TComponent* owner = root_->Owner();
        if (name.empty() || !owner) return name;
        auto taken = [&](const AnsiString& candidate) {
            TComponent* other = owner->FindComponent(candidate);
            return other && other != root_;
        };
        AnsiString candidate = name;
        for (int i = 1; taken(candidate); ++i) candidate = name + "_" + IntToStr(i);
        return candidate;
    }

    // Properties and inner objects up to the object's end.
    void ReadBody(TComponent* component, int depth) {
        for (;;) {
            const Token& token = lexer_.Peek();
            if (token.type == Tok::End) Fail(token.line, "'end' expected");
            if (token.IsSymbol("end")) {
                lexer_.Take();
                return;
            }
            if (token.IsObjectKeyword()) {
                if (depth + 1 > MaxDepth) Fail(token.line, "Objects are nested too deeply");
                ReadChild(component, depth + 1);
            } else if (token.type == Tok::Symbol) {
                ReadProperty(component, depth);
            } else {
                Fail(token.line, "Property name expected");
            }
        }
    }

    void ReadChild(TComponent* parent, int depth) {
        ObjectHeader header = ReadHeader(lexer_);
        int line = header.line;
        const TClassInfo* cls = FindClass(header.className);
        if (!cls) Fail(line, "Class " + header.className + " not found");
        if (!cls->Create) Fail(line, "Cannot create an instance of " + header.className);
        TComponent* component = nullptr;
        try {
            component = cls->Create(root_);
        } catch (const std::exception& e) {
            Fail(line, e.what());
        }
        if (!component) Fail(line, "Cannot create an instance of " + header.className);
        component->SetLoading(true);
        try {
            component->SetName(header.name);
            component->SetParentComponent(parent);
            StoreInField(component, header);
        } catch (const std::exception& e) {
            // Not stored anywhere yet: it goes, so that no half-made component stays behind.
            delete component;
            Fail(line, e.what());
        }
        read_.push_back(component);
        ReadBody(component, depth);
    }

    void StoreInField(TComponent* component, const ObjectHeader& header) {
        if (header.name.empty()) return;
        const TFieldInfo* field = root_->ClassInfo().FindField(header.name);
        if (field && field->Assign && !field->Assign(root_, component))
            throw EReadError("Field " + root_->ClassName() + "." + header.name + " cannot hold a " + header.className);
    }

    void ReadProperty(TComponent* component, int depth) {
        Token name = lexer_.Take();
        if (!lexer_.Peek().IsChar('=')) Fail(lexer_.Peek().line, "'=' expected");
        lexer_.Take();
        if (lexer_.Peek().IsChar('<')) {
            // Collections are passed over with their content.
            SkipCollection(depth);
            return;
        }
        FormValue value = ReadValue();
        context_.SetLine(name.line);
        try {
            SetProperty(component, name.text, value);
        } catch (const std::exception& e) {
            // Errors of setters, whatever their type, become read errors naming the line.
            Fail(name.line, e.what());
        }
    }

    FormValue ReadValue() {
        Token token = lexer_.Take();
        switch (token.type) {
            case Tok::Integer: return FormValue::OfInt(token.intValue);
            case Tok::Float: return FormValue::OfFloat(token.floatValue);
            case Tok::String: return FormValue::OfString(ContinueString(std::move(token.text)));
            case Tok::Binary: return FormValue::OfString(std::move(token.text));
            case Tok::Symbol: return FormValue::OfIdent(std::move(token.text));
            case Tok::Char:
                if (token.ch == '[') return FormValue::OfSet(ReadItems(']', true));
                if (token.ch == '(') return FormValue::OfList(ReadItems(')', false));
                break;
            case Tok::End: Fail(token.line, "Property value expected");
        }
        Fail(token.line, "Invalid property value");
    }

    // 'part' + 'part' joins strings across lines.
    AnsiString ContinueString(AnsiString text) {
        while (lexer_.Peek().IsChar('+')) {
            lexer_.Take();
            if (lexer_.Peek().type != Tok::String) Fail(lexer_.Peek().line, "String expected after '+'");
            text += lexer_.Take().text;
        }
        return text;
    }

    // [a, b] (commas between) or ('a' 'b' 1) (blanks between).
    std::vector<AnsiString> ReadItems(char close, bool commas) {
        std::vector<AnsiString> items;
        if (lexer_.Peek().IsChar(close)) {
            lexer_.Take();
            return items;
        }
        for (;;) {
            Token token = lexer_.Take();
            switch (token.type) {
                case Tok::String: items.push_back(ContinueString(std::move(token.text))); break;
                case Tok::Symbol:
                case Tok::Integer:
                case Tok::Float: items.push_back(std::move(token.text)); break;
                default: Fail(token.line, "Invalid list item");
            }
            if (lexer_.Peek().IsChar(close)) {
                lexer_.Take();
                return items;
            }
            if (commas) {
                if (!lexer_.Peek().IsChar(',')) Fail(lexer_.Peek().line, AnsiString("',' or '") + close + "' expected");
                lexer_.Take();
            }
        }
    }

    // < item ... end item ... end > with any nesting of further collections.
    void SkipCollection(int depth) {
        int open = 0;
        do {
            const Token& token = lexer_.Peek();
            if (token.type == Tok::End) Fail(token.line, "Unterminated collection");
            if (token.IsChar('<') && ++open + depth > MaxDepth) Fail(token.line, "Collections are nested too deeply");
            if (token.IsChar('>')) --open;
            lexer_.Take();
        } while (open > 0);
    }

    // Name, Prop, Nested.Prop, Items.Strings; what no published property
    // takes is offered to DefineProperties of the object reached.
    void SetProperty(TComponent* component, const AnsiString& path, const FormValue& value) {
        if (SameText(path, "Name")) {
            component->SetName(value.AsString());
            return;
        }
        const std::vector<AnsiString> parts = SplitString(path, '.');
        TPersistent* target = component;
        size_t i = 0;
        for (; i < parts.size(); ++i) {
            const TPropInfo* prop = target->ClassInfo().FindProperty(parts[i]);
            if (!prop) break;
            bool last = i + 1 == parts.size();
            bool stringsPart = i + 2 == parts.size() && SameText(parts[i + 1], "Strings");
            if (prop->Kind == TPropInfo::tkStrings && (last || stringsPart)) {
                prop->Set(target, value, context_);
                return;
            }
            if (last) {
                if (!prop->Set) throw EReadError("Invalid property value");
                prop->Set(target, value, context_);
                return;
            }
            TPersistent* nested = prop->Kind == TPropInfo::tkClass && prop->Object ? prop->Object(target) : nullptr;
            if (!nested) break;
            target = nested;
        }
        AnsiString rest;
        for (size_t j = i; j < parts.size(); ++j) rest += (j > i ? "." : "") + parts[j];
        DefinitionCollector definitions;
        target->DefineProperties(definitions);
        const DefinitionCollector::Definition* definition = definitions.Find(rest);
        if (definition && definition->read) {
            definition->read(value);
            return;
        }
        const AnsiString& owner = component->Name().empty() ? component->ClassName() : component->Name();
        throw EReadError("Error reading " + owner + "." + path + ": Property " + path + " does not exist");
    }

    // Root first, then the others in the order they were read: the form is
    // ready to serve its components when they finish loading. A failing
    // Loaded does not keep the others from loading; its error is raised after.
    void CallLoaded() {
        AnsiString firstError;
        bool failed = false;
        for (TComponent* component : read_) {
            try {
                component->Loaded();
            } catch (const std::exception& e) {
                if (!failed) firstError = e.what();
                failed = true;
            }
            component->SetLoading(false);
        }
        if (failed) throw EReadError(firstError);
    }

    Lexer lexer_;
    TComponent* root_;
    TReaderContext context_;
    std::vector<TComponent*> read_;  // every component read, root first
};

// ---------------------------------------------------------------- writer

// Quotes printable runs and writes control characters as #nn.
AnsiString QuoteString(const AnsiString& s) {
    if (s.empty()) return "''";
    AnsiString out;
    bool quoted = false;
    for (unsigned char c : s) {
        bool control = c < ' ' || c == 127;
        if (control) {
            if (quoted) out += '\'';
            quoted = false;
            out += "#" + IntToStr(c);
        } else {
            if (!quoted) out += '\'';
            quoted = true;
            if (c == '\'') out += '\'';
            out += static_cast<char>(c);
        }
    }
    if (quoted) out += '\'';
    return out;
}

AnsiString FloatText(double value) {
    if (!std::isfinite(value)) return "0";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return AnsiString(buffer, result.ptr);
}

class Writer {
public:
    explicit Writer(const TComponent* root) : root_(root) {}

    AnsiString Write() {
        WriteComponent(root_, 0);
        return out_;
    }

private:
    void Line(int indent, const AnsiString& text) {
        out_.append(static_cast<size_t>(indent) * 2, ' ');
        out_ += text;
        out_ += "\r\n";
    }

    void WriteComponent(const TComponent* component, int indent) {
        written_.insert(component);
        AnsiString head = component->Name().empty() ? component->ClassName()
                                                    : component->Name() + ": " + component->ClassName();
        Line(indent, "object " + head);
        WriteProperties(component, "", indent + 1, 0);
        for (const auto& [event, method] : component->BoundMethods()) Line(indent + 1, event + " = " + method);
        WriteDefinitions(component, indent + 1);
        for (TComponent* child : component->ChildComponents())
            if (child && child->Owner() == root_ && !written_.count(child)) WriteComponent(child, indent + 1);
        if (component == root_) {
            // Owned components that stand inside no other (menus, timers ...).
            for (int i = 0; i < root_->ComponentCount(); ++i)
                if (!written_.count(root_->Components(i))) WriteComponent(root_->Components(i), indent + 1);
        }
        Line(indent, "end");
    }

    // Published properties from the base class down; a property that a
    // derived class publishes again is written once, at its place there.
    void WriteProperties(const TPersistent* object, const AnsiString& prefix, int indent, int depth) {
        const TClassInfo& cls = object->ClassInfo();
        std::vector<const TClassInfo*> chain;
        for (const TClassInfo* info = &cls; info; info = info->Parent) chain.insert(chain.begin(), info);
        for (const TClassInfo* info : chain) {
            for (const TPropInfo& prop : info->Properties) {
                if (cls.FindProperty(prop.Name) != &prop) continue;
                if (prop.Kind == TPropInfo::tkClass) {
                    // The class information hands out nested objects through a
                    // non-const accessor; the writer only reads them.
                    TPersistent* nested = prop.Object && depth < 8 ? prop.Object(const_cast<TPersistent*>(object)) : nullptr;
                    if (nested) WriteProperties(nested, prefix + prop.Name + ".", indent, depth + 1);
                    continue;
                }
                if (!prop.Get) continue;
                FormValue value = prop.Get(object);
                // Empty strings and unset references are not written.
                if ((value.kind == FormValue::String || value.kind == FormValue::Ident) && value.text.empty()) continue;
                AnsiString name = prefix + prop.Name + (prop.Kind == TPropInfo::tkStrings ? ".Strings" : "");
                Line(indent, name + " = " + ValueText(value, indent));
            }
        }
    }

    void WriteDefinitions(const TComponent* component, int indent) {
        DefinitionCollector definitions;
        // DefineProperties is not const on the class library's objects; it only names values here.
        const_cast<TComponent*>(component)->DefineProperties(definitions);
        for (const auto& d : definitions.definitions)
            if (d.hasData && d.write) Line(indent, d.name + " = " + ValueText(d.write(), indent));
    }

    static AnsiString ValueText(const FormValue& value, int indent) {
        switch (value.kind) {
            case FormValue::Int: return IntToStr(value.intValue);
            case FormValue::Float: return FloatText(value.floatValue);
            case FormValue::String: return QuoteString(value.text);
            case FormValue::Ident: return value.text;
            case FormValue::Set: {
                AnsiString text = "[";
                for (size_t i = 0; i < value.items.size(); ++i) text += (i ? ", " : "") + value.items[i];
                return text + "]";
            }
            case FormValue::List: {
                AnsiString text = "(";
                AnsiString lineStart = "\r\n" + AnsiString(static_cast<size_t>(indent + 1) * 2, ' ');
                for (const auto& item : value.items) text += lineStart + QuoteString(item);
                return text + ")";
            }
        }
        return AnsiString();
    }

    const TComponent* root_;
    AnsiString out_;
    std::set<const TComponent*> written_;
};

// Embedded descriptions, keyed by the upper-cased class name.
std::map<AnsiString, const char*>& Descriptions() {
    static std::map<AnsiString, const char*> descriptions;
    return descriptions;
}

}  // namespace

void ReadComponentText(const AnsiString& text, TComponent* root) {
    if (!root) throw EReadError("No component to read the description into");
    Reader(text, root).Read();
}

AnsiString WriteComponentText(const TComponent* root) {
    if (!root) return AnsiString();
    return Writer(root).Write();
}

AnsiString DescriptionClassName(const AnsiString& text) {
    try {
        Lexer lexer(text);
        return ReadHeader(lexer).className;
    } catch (const EReadError&) {
        return AnsiString();
    }
}

void RegisterFormDescription(const char* text) {
    if (!text) return;
    AnsiString className = DescriptionClassName(text);
    if (!className.empty()) Descriptions()[UpperCase(className)] = text;
}

const char* FindFormDescription(const AnsiString& className) {
    auto& descriptions = Descriptions();
    auto it = descriptions.find(UpperCase(className));
    return it == descriptions.end() ? nullptr : it->second;
}
