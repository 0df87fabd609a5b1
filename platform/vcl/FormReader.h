// Form descriptions: the text form files of the platform, nested
//   object Name: TClass
//     Property = value
//     object Child: TClass ... end
//   end
// with integers, floats, 'strings' (#nn character codes, + joins), identifiers,
// [sets] and (string lists).
#ifndef TRAILBOOK_PLATFORM_FORMREADER_H
#define TRAILBOOK_PLATFORM_FORMREADER_H

#include "platform/vcl/Classes.h"

// Reads a description into root: the outer object is root itself (its class
// must match); each inner object is created by class name, owned by root,
// given its enclosing object as parent, and stored in root's published field
// of its name when there is one. Properties are set in the order written,
// events bound to root's methods, unknown properties offered to the
// component's DefineProperties, and Loaded called on every component after the
// whole description is read (the root first, then the others in reading
// order). Errors throw EReadError "Line N: message".
void ReadComponentText(const AnsiString& text, TComponent* root);

// Writes a component and the components inside it back as a description.
AnsiString WriteComponentText(const TComponent* root);

// The class named in the description's first object line ("TForm1"), or "".
AnsiString DescriptionClassName(const AnsiString& text);

// Descriptions embedded in the binary at build time, by form class name.
void RegisterFormDescription(const char* text);
const char* FindFormDescription(const AnsiString& className);

// Registers the classes of the platform's controls for creation by name.
void RegisterStandardClasses();

#endif
