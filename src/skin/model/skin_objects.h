#pragma once
// The descriptions "SKINOBJECTS" and "SKINCONTROLS" list: each entry names a section and a kind,
// and the kind decides what is read from that section.

#include <memory>
#include <optional>
#include <string>

#include "skin/model/skin_data.h"
#include "skin/model/skin_ini_text.h"

namespace veyrin {

// The description of kind `kind` ("stdbutton", "caption", ...) read from section `name`, or null
// for a kind that describes no frame object.
std::unique_ptr<TbsDataSkinObject> readSkinObject(const SkinIniText& ini, const std::string& name,
                                                  const std::string& kind);

// The control entry of kind `kind` with the keys of section `name`, or nothing for an unknown kind.
std::optional<TbsDataSkinControl> readSkinControl(const SkinIniText& ini, const std::string& name,
                                                  const std::string& kind);

}  // namespace veyrin
