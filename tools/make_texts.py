#!/usr/bin/python3
"""Writes the language files and the flag file: Windows-1252, CR LF line ends."""
import os, sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data")

FILES = {
    "idioma/formulario1y2.txt": [
        "SALIDA", "RESULTADOS", "FONDOS", "Comprueba",
        "¡MUY BIEN!", "REPASA",
        "Suma", "Resta", "Multiplicación", "División",
        "¿Quieres salir de Cuentas?",
    ],
    "idioma/formulariodivision.txt": [
        "SALIR", "RESULTADOS", "FONDOS", "NIVEL", "Empezar", "Fin",
        "bien", "mal", "¡MUY BIEN!", "REPASA",
    ],
    "idioma/formulariomulti.txt": [
        "SALIR", "RESULTADOS", "FONDOS", "Multiplicación: ", "¡MUY BIEN!", "REPASA",
    ],
    "idioma/presentacion.txt": ["Nombre", "ACEPTAR", "Escribe tu nombre"],
    "idioma/Resultados.txt": ["– tus resultados"],
    "paralistos.txt": ["NO"],
}


def main():
    for rel, lines in FILES.items():
        path = os.path.join(OUT, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


if __name__ == "__main__":
    main()
