#pragma once
// Block parameters of a plug-in object, found and set by the names the object gives them.
#include <string>
#include <vector>

#include "host/ParamBlock.h"

// The object's first reference that is a parameter block, or null.
IParamBlock* FindParamBlock(ReferenceTarget* object);

// "NAME=VALUE" or "#INDEX=VALUE". NAME is the name the block's owner reports, in any letter case;
// a name two parameters share must be given by index. VALUE follows the parameter's type: a
// number, an integer, on/off, or "r,g,b". False with `error` set when nothing was set.
bool SetParameter(ReferenceTarget* object, const std::string& assignment, TimeValue t, std::string& error);

// "index  name  type  value" lines for every parameter at time t.
std::vector<std::string> DescribeParameters(IParamBlock* block, TimeValue t);
std::string ParamTypeName(ParamType type);
