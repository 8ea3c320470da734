#include "tools/ParamAccess.h"

#include <cstdlib>
#include <sstream>

#include "tools/Text.h"

namespace {

bool ParseFloat(const std::string& text, float& v) {
  if (text.empty()) return false;
  char* end = nullptr;
  v = std::strtof(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

bool ParseInt(const std::string& text, int& v) {
  const std::string t = Lower(text);
  if (t == "on" || t == "true" || t == "yes") return v = 1, true;
  if (t == "off" || t == "false" || t == "no") return v = 0, true;
  if (text.empty()) return false;
  char* end = nullptr;
  const long n = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + text.size()) return false;
  v = static_cast<int>(n);
  return true;
}

bool ParseTriple(const std::string& text, float v[3]) {
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t comma = text.find(',', start);
    const bool last = i == 2;
    if (last != (comma == std::string::npos)) return false;
    if (!ParseFloat(text.substr(start, last ? std::string::npos : comma - start), v[i])) return false;
    start = comma + 1;
  }
  return true;
}

std::string FormatValue(IParamBlock* block, int i, TimeValue t) {
  std::ostringstream out;
  Interval valid = FOREVER;
  switch (block->GetParameterType(i)) {
    case TYPE_FLOAT: {
      float v = 0.0f;
      block->GetValue(i, t, v, valid);
      out << v;
      break;
    }
    case TYPE_INT:
    case TYPE_BOOL: {
      int v = 0;
      block->GetValue(i, t, v, valid);
      out << v;
      break;
    }
    case TYPE_RGBA:
    case TYPE_POINT3: {
      Point3 v;
      block->GetValue(i, t, v, valid);
      out << v.x << "," << v.y << "," << v.z;
      break;
    }
  }
  return out.str();
}

}  // namespace

std::string ParamTypeName(ParamType type) {
  switch (type) {
    case TYPE_FLOAT:
      return "float";
    case TYPE_INT:
      return "int";
    case TYPE_RGBA:
      return "color";
    case TYPE_POINT3:
      return "point3";
    case TYPE_BOOL:
      return "bool";
  }
  return "?";
}

IParamBlock* FindParamBlock(ReferenceTarget* object) {
  if (object == nullptr) return nullptr;
  for (int i = 0; i < object->NumRefs(); ++i) {
    ReferenceTarget* r = object->GetReference(i);
    if (r != nullptr && r->ClassID() == PARAMETER_BLOCK_CLASS) return static_cast<IParamBlock*>(r);
  }
  return nullptr;
}

bool SetParameter(ReferenceTarget* object, const std::string& assignment, TimeValue t, std::string& error) {
  const std::size_t eq = assignment.find('=');
  if (eq == std::string::npos || eq == 0) {
    error = "\"" + assignment + "\" is not NAME=VALUE";
    return false;
  }
  const std::string name = assignment.substr(0, eq);
  const std::string value = assignment.substr(eq + 1);
  IParamBlock* block = FindParamBlock(object);
  if (block == nullptr) {
    error = "the plug-in has no block parameters";
    return false;
  }
  int index = -1;
  if (name[0] == '#') {
    if (!ParseInt(name.substr(1), index) || index < 0 || index >= block->NumParams()) {
      error = "no parameter " + name + " (the block has " + std::to_string(block->NumParams()) + ")";
      return false;
    }
  } else {
    std::vector<int> matches;
    for (int i = 0; i < block->NumParams(); ++i) {
      if (Lower(ToUtf8(block->GetParamName(i).str())) == Lower(name)) matches.push_back(i);
    }
    if (matches.empty()) {
      error = "no parameter named \"" + name + "\"";
      return false;
    }
    if (matches.size() > 1) {
      error = "\"" + name + "\" names parameters";
      for (int m : matches) error += " #" + std::to_string(m);
      error += "; give one by index";
      return false;
    }
    index = matches[0];
  }
  const ParamType type = block->GetParameterType(index);
  bool ok = false;
  switch (type) {
    case TYPE_FLOAT: {
      float v = 0.0f;
      ok = ParseFloat(value, v) && block->SetValue(index, t, v);
      break;
    }
    case TYPE_INT:
    case TYPE_BOOL: {
      int v = 0;
      ok = ParseInt(value, v) && block->SetValue(index, t, v);
      break;
    }
    case TYPE_RGBA: {
      float v[3];
      ok = ParseTriple(value, v) && block->SetValue(index, t, Color(v[0], v[1], v[2]));
      break;
    }
    case TYPE_POINT3: {
      float v[3];
      ok = ParseTriple(value, v) && block->SetValue(index, t, Point3(v[0], v[1], v[2]));
      break;
    }
  }
  if (!ok) error = "\"" + value + "\" is not a " + ParamTypeName(type) + " value for " + name;
  return ok;
}

std::vector<std::string> DescribeParameters(IParamBlock* block, TimeValue t) {
  std::vector<std::string> lines;
  for (int i = 0; i < block->NumParams(); ++i) {
    std::string name = ToUtf8(block->GetParamName(i).str());
    lines.push_back("#" + std::to_string(i) + " \"" + name + "\" " +
                    ParamTypeName(block->GetParameterType(i)) + " = " + FormatValue(block, i, t) +
                    (block->IsAnimated(i) ? " (animated)" : ""));
  }
  return lines;
}
