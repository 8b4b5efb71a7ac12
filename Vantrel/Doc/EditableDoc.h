#pragma once
// The base of the documents that edit their file object in place and save it (3D objects,
// layouts). The object is the one that the Make facet of the file's folder caches and hands to
// every later open of that file, so edits that were never saved must not stay behind in the
// cache. The document keeps whether it holds edits made since the open or the last save (the
// modified flag cannot tell: the framework clears it when the user chooses to discard them);
// when it goes with such edits, the folder's factory forgets that very object, whoever else
// holds it, and what was made from it (the folder's track built from an edited .ptf), so the next
// open reads the file again; another holder (a track window over the .ptf) keeps what it has.
// Edits that were saved stay cached: they are what the file holds. A save puts the saved object
// where the cache had its file's object (PutSaved), so that the next open of the file shows what
// was saved, never a copy read before.
//
// A derived document opens its file in OpenEditable through MakeEditable, which takes the object
// from the facet and records it as the one to release; an open that records none fails the
// assertion "IsReleasable()". Without a file object (File New, an open that kept nothing) Save
// and Save As show "There is no file to save." and ask for no file.
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
    bool IsReleasable() const { return m_factory && m_edited != nullptr; }

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
        m_factory = factory;
        m_edited = object.Get();
        return factory;
    }

    // Called once the object was saved to path, with the name and extension that the open of
    // that path gives the facet kind. The factory the object came from forgets it and what was
    // made from it (the file it was read from may now hold other bytes); then, in the factory of
    // the path's folder, the object takes the place of what the cache had for the file, which is
    // forgotten with what was made from it. A factory of another folder keeps nothing of it: its
    // next open reads the file. Never throws: the file is saved.
    template <class FacetT, class Object>
    void PutSaved(const std::string& path, const std::string& name, const std::string& extension,
                  const Velmo::Util::CountedPointer<Object>& object)
    {
        if (!object || !m_factory)
            return;
        try
        {
            m_factory->Forget(object.Get());
            CDocumentPattern::Factory factory =
                Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(Velmo::Papy::PapyDirectory(path), false);
            if (!factory || !factory->template HasFacet<FacetT>())
                return;
            Velmo::Util::CountedPointer<Object> previous =
                factory->template GetFacet<FacetT>()->Replace(object, name, extension);
            if (previous && previous.Get() != object.Get())
                factory->Forget(previous.Get());
            if (factory.Get() != m_factory.Get())
                factory->Forget(object.Get());
        }
        catch (const Velmo::Util::Exception&)
        {
        }
    }

private:
    void Open(const std::string& path) final;
    bool RefusesWithoutFile() const;

    // The factory the object came from and the object, known by its identity only: it is never
    // reached through this pointer.
    CDocumentPattern::Factory m_factory;
    const void* m_edited = nullptr;
    bool m_unsavedEdits = false;

    wxDECLARE_ABSTRACT_CLASS(CEditableDoc);
};
