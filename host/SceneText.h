#pragma once
// How scene-file messages name objects and classes.
#include <string>

#include "host/MaxTypes.h"

std::string ClassLabel(SClass_ID sclass, const Class_ID& cid);
// "object 3 (Parameters, class 0x8:0x8-0x0)", without the name when it is empty.
std::string ObjectLabel(std::size_t index, const std::wstring& className, SClass_ID sclass,
                        const Class_ID& cid);
std::string Utf8(const std::wstring& text);
