#pragma once
// The base of the documents that edit their file object in place and save it (3D objects,
// layouts). The object is the one that the Make facet of the file's folder caches and hands to
// every later open of that file, so edits that were never saved must not stay behind in the
// cache. The document keeps whether it holds edits made since the open or the last save (the
// modified flag cannot tell: the framework clears it when the user chooses to discard them);
// when it goes with such edits, the folder's factory forgets that very object, whoever else
// holds it, and what was made from it (the folder's track built from an edited .ptf), so the next
// open reads the file again; another holder (a track window over the .ptf) keeps what it has.
// Edits that were saved stay cached: they are what the file holds.
//
// A derived document opens its file in OpenEditable through MakeEditable, which takes the object
// from the facet and records it as the one to release; an open that records none fails the
// assertion "IsReleasable()". Without a file object (File New, an open that kept nothing) Save
// and Save As show "There is no file to save." and ask for no file.
#include <functional>
#include <string>

#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/DocumentPattern.h"
#include "Vantrel/Doc/VantrelDoc.h"

class CEditableDoc : public CVantrelDoc
{
public:
    ~CEditableDoc() override;

    bool IsReadOnly() const override { return false; }
    bool Save() override;
    bool SaveAs() override;
    bool OnSaveDocument(const wxString& path) override;
    void Modify(bool modified) override;

    // Edits made since the open or the last save, whether or not the user discarded them.
    bool HasUnsavedEdits() const { return m_unsavedEdits; }
    // Whether the open recorded the object that unsaved edits release.
    bool IsReleasable() const { return static_cast<bool>(m_release); }

protected:
    CEditableDoc() = default;

    // Opens the file through MakeEditable; throws on failure.
    virtual void OpenEditable(const std::string& path) = 0;
    // Whether the document holds a file object.
    virtual bool HasFile() const = 0;

    // The document pattern's Make of the facet kind, which also records the object made as the
    // one to release. Returns the folder's factory.
    template <class FacetT, class Object>
    CDocumentPattern::Factory MakeEditable(const std::string& path, const std::string& name,
                                           const std::string& extension, Velmo::Util::CountedPointer<Object>& object)
    {
        CDocumentPattern::Factory factory = CDocumentPattern::Make<FacetT>(path, name, extension, object);
        // The object is known by its identity only: it is never reached through this pointer.
        const void* edited = object.Get();
        m_release = [factory, edited] { factory->Forget(edited); };
        return factory;
    }

private:
    void Open(const std::string& path) final;
    bool RefusesWithoutFile() const;

    std::function<void()> m_release;
    bool m_unsavedEdits = false;

    wxDECLARE_ABSTRACT_CLASS(CEditableDoc);
};
