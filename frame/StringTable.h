#pragma once
// Each module writes its string table once, as an X-macro list in its own header:
//
//   #define CLAMP_STRINGS(X)            (each line continued with a backslash)
//     X(1, "Source Material")
//     X(2, "Color Clamp Parameters")
//
// The module's .rc expands the list into its STRINGTABLE (windres runs the preprocessor);
// the native build expands it into the table below, which its LoadStringW stand-in reads.
// An .rc file may include this header: windres defines RC_INVOKED and sees only the macros.

#define OSTREL_RC_STRING(id, text) id, L##text
#define OSTREL_NATIVE_STRING(id, text) {id, L##text},

#if !defined(RC_INVOKED)

struct ResourceString {
  int id;
  const wchar_t* text;
};

// Defined natively by each module (from its list); empty-terminated by id 0.
extern const ResourceString moduleStringTable[];
#endif
