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
    "idioma/presentacion.txt": [
        "Nombre", "ACEPTAR", "Escribe tu nombre",
        # the teacher's door, and the class window (lines 5 on: ClassWindow::texts)
        "Profesorado", "Clase",
        "Elige un PIN de 4 a 8 cifras para abrir la clase. Guárdalo bien: hará falta cada vez.",
        "PIN", "Repite el PIN", "Escribe el PIN de la clase.", "El PIN tiene de 4 a 8 cifras, sin letras.",
        "Los dos PIN no son iguales.", "PIN equivocado. Intentos que quedan: %1.", "Demasiados intentos: espera un poco (%1 s).",
        "Aceptar", "Cancelar",
        "Fechas", "Esta semana", "Este mes", "Este curso", "Entre dos fechas", "Desde", "Hasta", "Ordenar por", "Al revés",
        "Nombre", "Días con trabajo", "Ejercicios", "Bien esta semana", "Bien antes", "Qué repasar", "Último día",
        "%1 % de %2", "calculando…", "Niños de la clase", "d 'de' MMMM 'de' yyyy",
        "Ver el historial", "Exportar", "Una línea por ejercicio…", "Una línea por niño…",
        "Exportar para otro ordenador…", "Importar…", "Borrar el historial de un niño…", "Borrar lo anterior a un día…",
        "Guardar el historial en este ordenador", "El administrador ha apagado el historial en este ordenador.", "Cerrar",
        "¿Borrar todo el historial de %1? Ejercicios: %2. No se puede deshacer.",
        "Borrar todo lo anterior al día:",
        "¿Borrar todo lo anterior al %2? Ejercicios: %1. No se puede deshacer.",
        "No hay ningún ejercicio anterior al %1.", "Borrado. Ejercicios borrados: %1.",
        "Hoja de cálculo (*.csv)", "Historial de Cuentas (*.cuentas)",
        "Guardado en %1. Ejercicios: %2.",
        "Importado. Ejercicios nuevos: %1. Niños: %2 (nuevos en este ordenador: %3).",
        "No había nada nuevo: ese historial ya estaba en este ordenador.",
        # why a file was not written or taken
        "El historial no se guarda en este ordenador.",
        "No se puede leer ese archivo.",
        "Ese archivo no es un historial de Cuentas: no se ha cambiado nada.",
        "Ese archivo es de una versión más nueva de Cuentas: no se ha cambiado nada.",
        "Ese archivo está dañado o incompleto: no se ha cambiado nada.",
        "No se puede escribir ese archivo.",
        "El historial no ha podido guardarlo: no se ha cambiado nada.",
        "El historial no se guarda en este ordenador: %1.",
        # the spreadsheets: one line per exercise, the kinds, one line per child
        "Fecha", "Hora", "Nombre", "Tipo", "Ejercicio", "Respuesta", "Solución", "Bien o mal", "Errores",
        "Suma", "Resta", "Multiplicación", "División", "División larga", "Multiplicación larga", "resto",
        "Nombre", "Días con trabajo", "Ejercicios", "Bien esta semana (%)", "Ejercicios esta semana", "Bien antes (%)",
        "Ejercicios antes", "Qué repasar", "Último día",
        # the command line
        "Practica las cuentas. Sin opciones, abre el programa.",
        "Escribe en ARCHIVO el historial de este ordenador, para llevarlo a otro.",
        "Añade al historial de este ordenador el de otro, escrito con --export.",
        "Escribe en ARCHIVO el historial como hoja de cálculo, una línea por ejercicio.",
        "Muestra esta ayuda.", "ARCHIVO",
        "Opción desconocida: %1. Las opciones se ven con cuentas --help.",
        "Falta el nombre del archivo después de %1.",
        "Una sola opción cada vez: --export, --import o --csv.",
        "No se esperaba: %1. Las opciones se ven con cuentas --help.",
    ],
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
        # the history window ("%1": what the word is about; dates as QLocale writes them)
        "Historial", "Historial de %1", "Los últimos %1 días con ejercicios",
        "Gráfico de barras de cada día: abajo lo que salió bien, arriba y rayado lo que salió mal. "
        "La tabla de al lado tiene los mismos números.",
        "Día", "Bien", "Mal", "Por tipo de ejercicio", "Esta semana", "Antes", "ejercicio", "ejercicios", "ninguno",
        "la última vez el %1", "dddd d 'de' MMMM", "d/M", "va a menos", "todavía se repite",
        "Todavía no hay ejercicios guardados.", "dddd, d 'de' MMMM 'de' yyyy, HH:mm",
        # when the history is not kept, and why
        "Estos ejercicios no se guardan en el historial: %1.",
        "el administrador de este ordenador lo ha desactivado",
        "falta el módulo SQLite de Qt (libqt6sql6-sqlite)",
        "no se puede escribir en %1",
        "el disco está lleno",
        "en su lugar hay una carpeta: %1",
        "lo escribió una versión más nueva de Cuentas",
        "otro programa lo tiene ocupado",
        "el archivo está dañado y no se puede apartar: %1",
        "El historial estaba dañado o no era de Cuentas: se ha guardado aparte, en su misma carpeta, como %1, y se empieza uno nuevo.",
        # the history window, the heading of the column of kinds
        "Ejercicios",
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
