#include "skin/model/skin_data.h"

#include "skin/model/compressed_stored_skin.h"
#include "platform/model/app_error.h"
#include "skin/model/skin_ini_text.h"
#include "skin/model/skin_ini_values.h"
#include "skin/model/skin_objects.h"
#include "skin/model/skin_package.h"
#include "skin/model/skin_scale.h"
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
    companions_.clear();
    enlarged_.clear();
}

void TbsSkinData::setCompressedStoredSkin(const TbsCompressedStoredSkin* store) { setCompressedStoredSkin(store, {}); }

void TbsSkinData::setCompressedStoredSkin(const TbsCompressedStoredSkin* store,
                                          const std::map<int, const TbsCompressedStoredSkin*>& companions) {
    store_ = store;
    companionStores_ = companions;
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

namespace {

bool isScaledBy(const SkinBitmap& scaled, const SkinBitmap& picture, int scale) {
    return scaled.width == picture.width * scale && scaled.height == picture.height * scale;
}

bool fitsScale(const SkinPackage& companion, int scale, const SkinBitmap& picture, const SkinBitmap& inactivePicture,
               const SkinBitmap& mask, const std::vector<SkinBitmap>& activePictures) {
    if (!isScaledBy(companion.picture, picture, scale) || !isScaledBy(companion.inactivePicture, inactivePicture, scale) ||
        !isScaledBy(companion.mask, mask, scale) || companion.activePictures.size() != activePictures.size())
        return false;
    for (std::size_t i = 0; i < activePictures.size(); ++i)
        if (!isScaledBy(companion.activePictures[i], activePictures[i], scale)) return false;
    return true;
}

}  // namespace

// A companion only adds detail, so one that cannot be read costs the sharper pictures, not the skin.
std::optional<SkinPackage> TbsSkinData::readCompanion(int scale) const {
    auto store = companionStores_.find(scale);
    if (store == companionStores_.end() || store->second == nullptr || store->second->isEmpty()) return {};
    try {
        std::string bytes;
        store->second->inflateInto(bytes);
        SkinPackage companion = readSkinPackage(bytes);
        if (companion.version >= kFirstUnknownPackageVersion ||
            !fitsScale(companion, scale, picture_, inactivePicture_, mask_, activePictures_))
            return {};
        return companion;
    } catch (const AppError&) {
        return {};
    }
}

const SkinPackage* TbsSkinData::companion(int scale) const {
    if (empty_) return nullptr;
    auto [slot, added] = companions_.try_emplace(scale);
    if (added) slot->second = readCompanion(scale);
    return slot->second ? &*slot->second : nullptr;
}

bool TbsSkinData::isOwnPicture(const SkinBitmap& picture) const {
    if (&picture == &picture_ || &picture == &inactivePicture_ || &picture == &mask_) return true;
    for (const SkinBitmap& active : activePictures_)
        if (&picture == &active) return true;
    return false;
}

const SkinBitmap* TbsSkinData::companionPicture(const SkinBitmap& picture, int scale) const {
    const SkinPackage* drawn = companion(scale);
    if (drawn == nullptr) return nullptr;
    if (&picture == &picture_) return &drawn->picture;
    if (&picture == &inactivePicture_) return &drawn->inactivePicture;
    if (&picture == &mask_) return &drawn->mask;
    for (std::size_t i = 0; i < activePictures_.size(); ++i)
        if (&picture == &activePictures_[i]) return &drawn->activePictures[i];
    return nullptr;
}

const SkinBitmap& TbsSkinData::pictureAtScale(const SkinBitmap& picture, int scale) const {
    if (scale <= 1 || !isOwnPicture(picture)) return picture;
    if (const SkinBitmap* drawn = companionPicture(picture, scale)) return *drawn;
    auto [slot, added] = enlarged_.try_emplace({&picture, scale});
    if (added) slot->second = enlargedBitmap(picture, scale);
    return slot->second;
}

}  // namespace veyrin
