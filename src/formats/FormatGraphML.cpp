#include "formats/FormatGraphML.h"

#include "formats/LimitesEchange.h"
#include "formats/NombresTexte.h"

#include <pugixml.hpp>

#include <cstring>
#include <sstream>
#include <unordered_map>
#include <vector>

namespace {
// A declared key: what it holds, by the name NetworkX and yEd give it.
struct Cle {
    std::string nom;
    std::string pour;  // "node", "edge", "all"...
    std::string parDefaut;
    bool aDefaut = false;
    bool graphiqueYed = false;
};

std::string_view NomLocal(const pugi::xml_node& element)
{
    const std::string_view nom = element.name();
    const size_t deuxPoints = nom.find(':');
    return deuxPoints == std::string_view::npos ? nom : nom.substr(deuxPoints + 1);
}

// The elements the reader needs, in document order, from a walk that does
// not recurse however deep the document nests.
class Collecte : public pugi::xml_tree_walker {
public:
    std::vector<pugi::xml_node> cles;
    std::vector<pugi::xml_node> graphes;
    std::vector<pugi::xml_node> noeuds;
    std::vector<pugi::xml_node> aretes;

    bool for_each(pugi::xml_node& element) override
    {
        if (element.type() != pugi::node_element)
            return true;
        const std::string_view nom = NomLocal(element);
        const std::string_view parent = NomLocal(element.parent());
        if (nom == "key" && parent == "graphml")
            cles.push_back(element);
        else if (nom == "graph" && (parent == "graphml" || parent == "node"))
            graphes.push_back(element);
        else if (nom == "node" && parent == "graph")
            noeuds.push_back(element);
        else if (nom == "edge" && parent == "graph")
            aretes.push_back(element);
        return true;
    }
};

class LecteurGraphML {
public:
    LecteurGraphML(std::string_view texte_, GrapheEchange& graphe_) : texte(texte_), graphe(graphe_) {}

    std::string Lire()
    {
        pugi::xml_document document;
        // Only the five predefined entities are expanded: a declared entity
        // is never, so an expansion bomb stays the size of its file.
        const pugi::xml_parse_result resultat = document.load_buffer(texte.data(), texte.size());
        if (!resultat)
            return "XML mal formé" + Ligne(static_cast<size_t>(resultat.offset)) + " (" + resultat.description() + ").";
        Collecte collecte;
        document.traverse(collecte);
        if (NomLocal(document.document_element()) != "graphml" || collecte.graphes.empty())
            return "ce n'est pas un document GraphML : élément <graphml> ou <graph> absent.";
        std::string erreur = LireCles(collecte.cles);
        if (erreur.empty())
            erreur = LireOrientation(collecte.graphes.front());
        for (const pugi::xml_node& noeud : collecte.noeuds) {
            if (erreur.empty())
                erreur = LireNoeud(noeud);
        }
        for (const pugi::xml_node& arete : collecte.aretes) {
            if (erreur.empty())
                erreur = LireArete(arete);
        }
        return erreur;
    }

private:
    std::string_view texte;
    GrapheEchange& graphe;
    std::unordered_map<std::string, Cle> cles;
    std::unordered_map<std::string, size_t> indices;

    std::string Ligne(const pugi::xml_node& element) const
    {
        return Ligne(static_cast<size_t>(element.offset_debug()));
    }
    std::string Ligne(size_t position) const { return ", ligne " + std::to_string(LigneDe(texte, position)); }

    std::string LireCles(const std::vector<pugi::xml_node>& declarations)
    {
        for (const pugi::xml_node& cle : declarations) {
            Cle lue;
            lue.nom = cle.attribute("attr.name").value();
            lue.pour = cle.attribute("for").as_string("all");
            lue.graphiqueYed = std::strcmp(cle.attribute("yfiles.type").value(), "nodegraphics") == 0;
            if (const pugi::xml_node defaut = cle.child("default")) {
                lue.aDefaut = true;
                lue.parDefaut = defaut.child_value();
            }
            cles[cle.attribute("id").value()] = std::move(lue);
        }
        return {};
    }

    std::string LireOrientation(const pugi::xml_node& element)
    {
        const std::string_view defaut = element.attribute("edgedefault").as_string("directed");
        if (defaut != "directed" && defaut != "undirected")
            return "valeur d'edgedefault inconnue « " + std::string(defaut) + " »" + Ligne(element) + ".";
        graphe.oriente = defaut == "directed";
        return {};
    }

    // The value of each declared key for an element: its defaults, then
    // its own data.
    std::unordered_map<std::string, std::string> Donnees(const pugi::xml_node& element, pugi::xml_node& graphique) const
    {
        std::unordered_map<std::string, std::string> valeurs;
        // A default serves only the elements its key is declared for.
        for (const auto& [id, cle] : cles) {
            if (cle.aDefaut && (cle.pour == "all" || cle.pour == NomLocal(element)))
                valeurs[cle.nom] = cle.parDefaut;
        }
        for (const pugi::xml_node& donnee : element.children()) {
            if (NomLocal(donnee) != "data")
                continue;
            const auto cle = cles.find(donnee.attribute("key").value());
            if (cle == cles.end())
                continue;
            if (cle->second.graphiqueYed)
                graphique = donnee;
            else
                valeurs[cle->second.nom] = donnee.child_value();
        }
        return valeurs;
    }

    std::string LireNoeud(const pugi::xml_node& noeud)
    {
        const std::string id = noeud.attribute("id").value();
        if (!indices.try_emplace(id, graphe.sommets.size()).second)
            return "deux nœuds portent l'identifiant « " + id + " »" + Ligne(noeud) + ".";
        pugi::xml_node graphique;
        auto valeurs = Donnees(noeud, graphique);
        SommetEchange sommet;
        sommet.nom = valeurs.contains("name") ? valeurs["name"] : valeurs.contains("label") ? valeurs["label"] : id;
        if (!valeurs.contains("name") && !valeurs.contains("label") && graphique) {
            if (const pugi::xml_node etiquette = Descendant(graphique, "NodeLabel"))
                sommet.nom = etiquette.child_value();
        }
        for (const char* axe : {"x", "y"}) {
            if (!valeurs.contains(axe))
                continue;
            const std::optional<double> v = LireReel(valeurs[axe]);
            if (!v)
                return "coordonnée " + std::string(axe) + " non numérique « " + valeurs[axe] + " »" + Ligne(noeud)
                     + ".";
            (*axe == 'x' ? sommet.x : sommet.y) = v;
        }
        if (!sommet.x && graphique)
            LireGeometrie(graphique, sommet);
        if (valeurs.contains("numero")) {
            sommet.numero = LireEntier32(valeurs["numero"]);
            if (!sommet.numero)
                return "numéro invalide « " + valeurs["numero"] + " »" + Ligne(noeud) + ".";
        }
        graphe.sommets.push_back(std::move(sommet));
        return Depassement(graphe);
    }

    static pugi::xml_node Descendant(const pugi::xml_node& racine, std::string_view nom)
    {
        return racine.find_node([nom](const pugi::xml_node& n) { return NomLocal(n) == nom; });
    }

    // yEd gives the box's top-left corner and size; the vertex is its centre.
    static void LireGeometrie(const pugi::xml_node& graphique, SommetEchange& sommet)
    {
        const pugi::xml_node geometrie = Descendant(graphique, "Geometry");
        const auto x = LireReel(geometrie.attribute("x").value());
        const auto y = LireReel(geometrie.attribute("y").value());
        if (!x || !y)
            return;
        sommet.x = *x + LireReel(geometrie.attribute("width").value()).value_or(0.0) / 2;
        sommet.y = *y + LireReel(geometrie.attribute("height").value()).value_or(0.0) / 2;
    }

    std::string LireArete(const pugi::xml_node& arete)
    {
        ArcEchange arc;
        for (const char* bout : {"source", "target"}) {
            const std::string id = arete.attribute(bout).value();
            const auto trouve = indices.find(id);
            if (trouve == indices.end())
                return "l'arête désigne le nœud « " + id + " », absent du graphe" + Ligne(arete) + ".";
            (*bout == 's' ? arc.origine : arc.cible) = trouve->second;
        }
        if (const pugi::xml_attribute oriente = arete.attribute("directed");
            oriente && oriente.as_bool() != graphe.oriente)
            return std::string("arête ")
                 + (graphe.oriente ? "non orientée dans un graphe orienté" : "orientée dans un graphe non orienté")
                 + Ligne(arete) + " : les arêtes doivent toutes avoir la même orientation.";
        pugi::xml_node graphique;
        auto valeurs = Donnees(arete, graphique);
        if (valeurs.contains("weight")) {
            arc.poids = LireReel(valeurs["weight"]);
            if (!arc.poids)
                return "poids non numérique « " + valeurs["weight"] + " »" + Ligne(arete) + ".";
        }
        graphe.arcs.push_back(arc);
        return Depassement(graphe);
    }
};

void DeclarerCle(pugi::xml_node& racine, const char* id, const char* pour, const char* nom, const char* type)
{
    pugi::xml_node cle = racine.append_child("key");
    cle.append_attribute("id") = id;
    cle.append_attribute("for") = pour;
    cle.append_attribute("attr.name") = nom;
    cle.append_attribute("attr.type") = type;
}

void AjouterDonnee(pugi::xml_node& element, const char* cle, const std::string& valeur)
{
    pugi::xml_node donnee = element.append_child("data");
    donnee.append_attribute("key") = cle;
    donnee.text() = valeur.c_str();
}
}  // namespace

std::string LireGraphML(std::string_view texte, GrapheEchange& graphe)
{
    return LecteurGraphML(texte, graphe).Lire();
}

std::string TexteGraphML(const GrapheEchange& graphe)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node racine = document.append_child("graphml");
    racine.append_attribute("xmlns") = "http://graphml.graphdrawing.org/xmlns";
    DeclarerCle(racine, "nom", "node", "name", "string");
    DeclarerCle(racine, "x", "node", "x", "double");
    DeclarerCle(racine, "y", "node", "y", "double");
    DeclarerCle(racine, "numero", "node", "numero", "int");
    DeclarerCle(racine, "poids", "edge", "weight", "double");
    pugi::xml_node graph = racine.append_child("graph");
    graph.append_attribute("id") = "G";
    graph.append_attribute("edgedefault") = graphe.oriente ? "directed" : "undirected";
    for (size_t i = 0; i < graphe.sommets.size(); ++i) {
        const SommetEchange& s = graphe.sommets[i];
        pugi::xml_node noeud = graph.append_child("node");
        noeud.append_attribute("id") = ("n" + std::to_string(i)).c_str();
        AjouterDonnee(noeud, "nom", s.nom);
        if (s.x && s.y) {
            AjouterDonnee(noeud, "x", EcrireReel(*s.x));
            AjouterDonnee(noeud, "y", EcrireReel(*s.y));
        }
        if (s.numero)
            AjouterDonnee(noeud, "numero", std::to_string(*s.numero));
    }
    for (const ArcEchange& a : graphe.arcs) {
        pugi::xml_node arete = graph.append_child("edge");
        arete.append_attribute("source") = ("n" + std::to_string(a.origine)).c_str();
        arete.append_attribute("target") = ("n" + std::to_string(a.cible)).c_str();
        if (a.poids)
            AjouterDonnee(arete, "poids", EcrireReel(*a.poids));
    }
    std::ostringstream texte;
    document.save(texte, "  ", pugi::format_default, pugi::encoding_utf8);
    // A reader turns a raw carriage return into a line feed, as XML wants,
    // and pugixml writes it raw: only a character reference keeps it. The
    // layout itself uses line feeds alone, so every one found is a name's.
    std::string xml = texte.str();
    for (size_t i = xml.find('\r'); i != std::string::npos; i = xml.find('\r', i))
        xml.replace(i, 1, "&#13;");
    return xml;
}
