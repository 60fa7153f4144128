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
        # what a screen reader says
        "Resultado", "Me llevo", "Uno menos", "Primer número", "Segundo número", "Dividendo", "Divisor",
        "unidades", "decenas", "centenas", "unidades de millar",
        "Cifras de cada número: %1", "Tabla del %1", "Cualquier tabla",
        "Multiplicación larga", "División larga",
        "Carrera: encender o apagar", "Velocidad 1: bebé", "Velocidad 2: dinosaurio", "Velocidad 3: corredor",
        "Corredor", "Estrella de acierto", "bien", "mal",
        "Raya", "Signo más", "Signo por", "Signo de dividir", "Fondo", "Cuentas",
    ],
    "idioma/formulariodivision.txt": [
        "SALIR", "RESULTADOS", "FONDOS", "NIVEL", "Empezar", "Fin",
        "bien", "mal", "¡MUY BIEN!", "REPASA",
        # what a screen reader says
        "Dividendo", "Divisor", "cifra", "Cociente", "Resto", "Bajar la cifra", "Luz",
        "Cifras bien: %1", "Cifras mal: %1", "Divisiones bien: %1", "Divisiones mal: %1",
        "Señal del paso", "Signo de dividir", "bien", "mal", "División larga",
    ],
    "idioma/formulariomulti.txt": [
        "SALIR", "RESULTADOS", "FONDOS", "Multiplicación: ", "¡MUY BIEN!", "REPASA",
        # what a screen reader says
        "Primer número", "Segundo número", "Me llevo", "Fila 1", "Fila 2", "Resultado",
        "Comprobar la fila 1", "Comprobar la fila 2", "Comprobar el resultado",
        "Otra multiplicación, con otro número de cifras arriba", "Otra multiplicación, con una o dos cifras abajo",
        "unidades", "decenas", "centenas", "unidades de millar", "decenas de millar", "centenas de millar",
        "unidades de millón", "Señal de la comprobación", "Signo por", "Raya", "bien", "mal", "Multiplicación larga",
    ],
    "idioma/presentacion.txt": ["Nombre", "ACEPTAR", "Escribe tu nombre"],
    "idioma/Resultados.txt": [
        "– tus resultados", "Copiar", "Imprimir", "Todavía no hay ningún ejercicio.",
        "Sumas", "Restas", "Multiplicaciones", "Divisiones", "Divisiones largas", "Multiplicaciones largas",
        "bien", "mal", "Total",
        "Qué repasar",
        "Olvida sumar lo que se lleva", "Resta el número menor del mayor", "Cero menos un número da ese número",
        "Suma lo que se lleva antes de multiplicar", "Confunde un resultado de la tabla",
        "Pone en el cociente una cifra pequeña", "Pone en el cociente una cifra grande", "Olvida el cero del cociente",
        "Resta mal al dividir", "Suma mal los productos",
        "Despistes", "veces", "por ejemplo", "Ningún error se repite.",
        # more mistakes, after the lines above so that every line keeps its number
        "Cero menos un número da cero", "Multiplica por lo que se lleva", "Escribe las decenas y se lleva las unidades",
        # how often a mistake showed: "3 de 4 restas en que podía", the words for each mistake in the order above
        "de",
        "cuentas en que podía", "restas en que podía", "restas en que podía", "multiplicaciones en que podía",
        "cuentas en que podía", "divisiones en que podía", "divisiones en que podía", "divisiones en que podía",
        "divisiones en que podía", "multiplicaciones en que podía", "restas en que podía", "multiplicaciones en que podía",
        "multiplicaciones en que podía",
    ],
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
