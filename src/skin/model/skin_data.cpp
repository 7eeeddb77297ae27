#include "skin/model/skin_data.h"

#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_ini_text.h"
#include "skin/model/skin_ini_values.h"
#include "skin/model/skin_objects.h"
#include "skin/model/skin_package.h"
#include "skin/model/skin_sections.h"

namespace veyrin {

namespace {

// The section and kind of every entry of a list such as "SKINOBJECTS".
template <typename Visit>
void forEachEntry(const SkinIniText& ini, std::string_view section, Visit visit) {
    for (const std::string& entry : SkinSectionReader(ini, section).list("")) {
        const auto [name, kind] = splitSkinEntry(entry);
        visit(name, kind);
    }
}

}  // namespace

TbsSkinData::TbsSkinData() = default;
TbsSkinData::~TbsSkinData() = default;

void TbsSkinData::send(SkinNotice notice) const {
    if (noticeSink_) noticeSink_(notice, *this);
}

void TbsSkinData::clear() {
    objects_.clear();
    controls_.clear();
    activePictures_.clear();
    activePictureNames.clear();
    picture_ = {};
    inactivePicture_ = {};
    mask_ = {};
    pictureName.clear();
    inactivePictureName.clear();
    maskName.clear();
    skinName.clear();
    skinAuthor.clear();
    authorEmail.clear();
    authorUrl.clear();
    skinComments.clear();
    formInfo_ = {};
    popupWindow_ = {};
    hintWindow_ = {};
}

void TbsSkinData::setCompressedStoredSkin(const TbsCompressedStoredSkin* store) {
    store_ = store;
    if (store_ == nullptr || store_->isEmpty()) return;
    empty_ = true;
    send(kSkinChangingNotice);
    clear();
    try {
        std::string bytes;
        store_->inflateInto(bytes);
        SkinPackage package = readSkinPackage(bytes);
        if (package.version >= kFirstUnknownPackageVersion) return;
        loadPackage(std::move(package));
    } catch (...) {
        clear();
        throw;
    }
    empty_ = false;
    send(kSkinChangedNotice);
    send(kSkinChangedSecondNotice);
}

void TbsSkinData::loadPackage(SkinPackage package) {
    picture_ = std::move(package.picture);
    inactivePicture_ = std::move(package.inactivePicture);
    mask_ = std::move(package.mask);
    activePictures_ = std::move(package.activePictures);
    const SkinIniText ini(package.lines);

    const SkinSectionReader version(ini, "VERSION");
    skinName = version.string("skinname");
    skinAuthor = version.string("skinauthor");
    authorEmail = version.string("authoremail");
    authorUrl = version.string("authorurl");
    skinComments = version.string("skincomments");

    const SkinSectionReader pictures(ini, "PICTURES");
    pictureName = pictures.string("picture");
    inactivePictureName = pictures.string("inactivepicture");
    maskName = pictures.string("mask");
    activePictureNames = pictures.list("activepictures");

    formInfo_ = readFormInfo(ini, !maskName.empty());
    popupWindow_ = readPopupWindow(ini);
    hintWindow_ = readHintWindow(ini);
    forEachEntry(ini, "SKINOBJECTS", [&](const std::string& name, const std::string& kind) {
        if (auto object = readSkinObject(ini, name, kind)) objects_.push_back(std::move(object));
    });
    forEachEntry(ini, "SKINCONTROLS", [&](const std::string& name, const std::string& kind) {
        if (auto control = readSkinControl(ini, name, kind)) controls_.push_back(std::move(*control));
    });
}

int TbsSkinData::findObject(const std::string& name) const {
    for (std::size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i]->idName == name) return static_cast<int>(i);
    return -1;
}

int TbsSkinData::findControl(const std::string& name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].idName == name) return static_cast<int>(i);
    return -1;
}

const SkinBitmap* TbsSkinData::activePicture(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= activePictures_.size()) return nullptr;
    return &activePictures_[static_cast<std::size_t>(index)];
}

}  // namespace veyrin
