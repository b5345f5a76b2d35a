#include "ui/error.h"

namespace sv {

std::string errorDescription(int number) {
    switch (number) {
        case 5: return "Appel de procédure ou argument incorrect";
        case err::kOverflow: return "Dépassement de capacité";
        case 7: return "Mémoire insuffisante";
        case 9: return "L'indice n'appartient pas à la sélection";
        case err::kDivisionByZero: return "Division par zéro";
        case err::kTypeMismatch: return "Type incompatible";
        case 52: return "Nom ou numéro de fichier incorrect";
        case err::kFileNotFound: return "Fichier introuvable";
        case 57: return "Erreur d'entrée/sortie sur périphérique";
        case 61: return "Disque plein";
        case err::kInputPastEnd: return "Entrée au-delà de la fin du fichier";
        case 70: return "Permission refusée";
        case err::kPathFileAccess: return "Erreur d'accès au chemin/fichier";
        case err::kPathNotFound: return "Chemin d'accès introuvable";
        case err::kInvalidPicture: return "Image non valide";
        default: return "Erreur définie par l'application ou par l'objet";
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(std::to_string(number) + " " + description),
      number_(number),
      description_(description) {}

}  // namespace sv
