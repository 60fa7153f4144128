#!/usr/bin/python3
"""Writes the language files and the flag file: Windows-1252, CR LF line ends;
and the Catalan, Basque and Galician language files, line for line the same as
the Spanish ones, in idioma/ca/, idioma/eu/ and idioma/gl/: UTF-8, CR LF.
Where each school word comes from: docs/glossary.md."""
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
        # more mistakes, after the lines above so that every line keeps its number
        "Cero menos un número da cero", "Multiplica por lo que se lleva", "Escribe las decenas y se lleva las unidades",
        # how often a mistake showed: "3 de 4 restas en que podía", the words for each mistake in the order above
        "de",
        "cuentas en que podía", "restas en que podía", "restas en que podía", "multiplicaciones en que podía",
        "cuentas en que podía", "divisiones en que podía", "divisiones en que podía", "divisiones en que podía",
        "divisiones en que podía", "multiplicaciones en que podía", "restas en que podía", "multiplicaciones en que podía",
        "multiplicaciones en que podía",
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

# The same files in the other languages of Spain's schools, line for line:
# captions as short as the Spanish ones, phrases as a teacher says them to a child.
TRANSLATIONS = {
    "ca": {
        "formulario1y2.txt": [
            "SORTIDA", "RESULTATS", "FONS", "Comprova",
            "MOLT BÉ!", "REPASSA",
            "Suma", "Resta", "Multiplicació", "Divisió",
            "Vols sortir de Cuentas?",
            "Resultat", "Me'n porto", "Un menys", "Primer nombre", "Segon nombre", "Dividend", "Divisor",
            "unitats", "desenes", "centenes", "unitats de miler",
            "Xifres de cada nombre: %1", "Taula del %1", "Qualsevol taula",
            "Multiplicació llarga", "Divisió llarga",
            "Cursa: encendre o apagar", "Velocitat 1: nadó", "Velocitat 2: dinosaure", "Velocitat 3: corredor",
            "Corredor", "Estrella d'encert", "bé", "malament",
            "Ratlla", "Signe més", "Signe per", "Signe de dividir", "Fons", "Cuentas",
        ],
        "formulariodivision.txt": [
            "SORTIR", "RESULTATS", "FONS", "NIVELL", "Comença", "Fi",
            "bé", "malament", "MOLT BÉ!", "REPASSA",
            "Dividend", "Divisor", "xifra", "Quocient", "Residu", "Baixar la xifra", "Llum",
            "Xifres bé: %1", "Xifres malament: %1", "Divisions bé: %1", "Divisions malament: %1",
            "Senyal del pas", "Signe de dividir", "bé", "malament", "Divisió llarga",
        ],
        "formulariomulti.txt": [
            "SORTIR", "RESULTATS", "FONS", "Multiplicació: ", "MOLT BÉ!", "REPASSA",
            "Primer nombre", "Segon nombre", "Me'n porto", "Fila 1", "Fila 2", "Resultat",
            "Comprovar la fila 1", "Comprovar la fila 2", "Comprovar el resultat",
            "Una altra multiplicació, amb un altre nombre de xifres a dalt", "Una altra multiplicació, amb una o dues xifres a baix",
            "unitats", "desenes", "centenes", "unitats de miler", "desenes de miler", "centenes de miler",
            "unitats de milió", "Senyal de la comprovació", "Signe per", "Ratlla", "bé", "malament", "Multiplicació llarga",
        ],
        "presentacion.txt": ["Nom", "D'ACORD", "Escriu el teu nom"],
        "Resultados.txt": [
            "– els teus resultats", "Copia", "Imprimeix", "Encara no hi ha cap exercici.",
            "Sumes", "Restes", "Multiplicacions", "Divisions", "Divisions llargues", "Multiplicacions llargues",
            "bé", "malament", "Total",
            "Què cal repassar",
            "Oblida sumar les que en porta", "Resta el nombre petit del gran", "Zero menys un nombre dona aquest nombre",
            "Suma les que en porta abans de multiplicar", "Confon un resultat de la taula",
            "Posa una xifra petita al quocient", "Posa una xifra gran al quocient", "Oblida el zero del quocient",
            "Resta malament en dividir", "Suma malament els productes",
            "Distraccions", "vegades", "per exemple", "Cap error no es repeteix.",
            "Zero menys un nombre dona zero", "Multiplica per les que en porta", "Escriu les desenes i se'n porta les unitats",
            "de",
            "operacions en què podia", "restes en què podia", "restes en què podia", "multiplicacions en què podia",
            "operacions en què podia", "divisions en què podia", "divisions en què podia", "divisions en què podia",
            "divisions en què podia", "multiplicacions en què podia", "restes en què podia", "multiplicacions en què podia",
            "multiplicacions en què podia",
        ],
    },
    "eu": {
        "formulario1y2.txt": [
            "IRTEERA", "EMAITZAK", "HONDOAK", "Egiaztatu",
            "OSO ONDO!", "BERRIKUSI",
            "Batuketa", "Kenketa", "Biderketa", "Zatiketa",
            "Programatik irten nahi duzu?",
            "Emaitza", "Bururakoa", "Bat gutxiago", "Lehen zenbakia", "Bigarren zenbakia", "Zatikizuna", "Zatitzailea",
            "batekoak", "hamarrekoak", "ehunekoak", "milakoak",
            "Zenbaki bakoitzaren zifrak: %1", "Biderketa-taula: %1", "Edozein taula",
            "Biderketa luzea", "Zatiketa luzea",
            "Lasterketa: piztu edo itzali", "1. abiadura: haurtxoa", "2. abiadura: dinosauroa", "3. abiadura: korrikalaria",
            "Korrikalaria", "Ondo egindakoaren izarra", "ondo", "gaizki",
            "Marra", "Gehi ikurra", "Bider ikurra", "Zati ikurra", "Hondoa", "Cuentas",
        ],
        "formulariodivision.txt": [
            "IRTEN", "EMAITZAK", "HONDOAK", "MAILA", "Hasi", "Amaia",
            "ondo", "gaizki", "OSO ONDO!", "BERRIKUSI",
            "Zatikizuna", "Zatitzailea", "zifra", "Zatidura", "Hondarra", "Zifra jaitsi", "Argia",
            "Zifrak ondo: %1", "Zifrak gaizki: %1", "Zatiketak ondo: %1", "Zatiketak gaizki: %1",
            "Urratsaren seinalea", "Zati ikurra", "ondo", "gaizki", "Zatiketa luzea",
        ],
        "formulariomulti.txt": [
            "IRTEN", "EMAITZAK", "HONDOAK", "Biderketa: ", "OSO ONDO!", "BERRIKUSI",
            "Lehen zenbakia", "Bigarren zenbakia", "Bururakoa", "1. errenkada", "2. errenkada", "Emaitza",
            "Egiaztatu 1. errenkada", "Egiaztatu 2. errenkada", "Egiaztatu emaitza",
            "Beste biderketa bat, goian beste zifra kopuru batekin", "Beste biderketa bat, behean zifra batekin edo birekin",
            "batekoak", "hamarrekoak", "ehunekoak", "milakoak", "hamar milakoak", "ehun milakoak",
            "milioikoak", "Egiaztapenaren seinalea", "Bider ikurra", "Marra", "ondo", "gaizki", "Biderketa luzea",
        ],
        "presentacion.txt": ["Izena", "ONARTU", "Idatzi zure izena"],
        "Resultados.txt": [
            "– zure emaitzak", "Kopiatu", "Inprimatu", "Oraindik ez dago ariketarik.",
            "Batuketak", "Kenketak", "Biderketak", "Zatiketak", "Zatiketa luzeak", "Biderketa luzeak",
            "ondo", "gaizki", "Guztira",
            "Zer berrikusi",
            "Bururakoa batzea ahazten du", "Zenbaki txikia handiari kentzen dio", "Zero ken zenbaki bat: zenbaki hori jartzen du",
            "Bururakoa biderkatu aurretik batzen du", "Taulako emaitza bat nahasten du",
            "Zatiduran zifra txikiegia jartzen du", "Zatiduran zifra handiegia jartzen du", "Zatidurako zeroa ahazten du",
            "Zatitzean gaizki kentzen du", "Biderkadurak gaizki batzen ditu",
            "Oharkabeko hutsak", "aldiz", "adibidez", "Ez da akatsik errepikatzen.",
            "Zero ken zenbaki bat: zero jartzen du", "Bururakoaz biderkatzen du", "Hamarrekoak idatzi eta batekoak eramaten ditu",
            "/",
            "eragiketa, aukera zuenetan", "kenketa, aukera zuenetan", "kenketa, aukera zuenetan", "biderketa, aukera zuenetan",
            "eragiketa, aukera zuenetan", "zatiketa, aukera zuenetan", "zatiketa, aukera zuenetan", "zatiketa, aukera zuenetan",
            "zatiketa, aukera zuenetan", "biderketa, aukera zuenetan", "kenketa, aukera zuenetan", "biderketa, aukera zuenetan",
            "biderketa, aukera zuenetan",
        ],
    },
    "gl": {
        "formulario1y2.txt": [
            "SAÍDA", "RESULTADOS", "FONDOS", "Comproba",
            "MOI BEN!", "REPASA",
            "Suma", "Resta", "Multiplicación", "División",
            "Queres saír de Cuentas?",
            "Resultado", "Levo", "Un menos", "Primeiro número", "Segundo número", "Dividendo", "Divisor",
            "unidades", "decenas", "centenas", "unidades de milleiro",
            "Cifras de cada número: %1", "Táboa do %1", "Calquera táboa",
            "Multiplicación longa", "División longa",
            "Carreira: acender ou apagar", "Velocidade 1: bebé", "Velocidade 2: dinosauro", "Velocidade 3: corredor",
            "Corredor", "Estrela de acerto", "ben", "mal",
            "Raia", "Signo máis", "Signo por", "Signo de dividir", "Fondo", "Cuentas",
        ],
        "formulariodivision.txt": [
            "SAÍR", "RESULTADOS", "FONDOS", "NIVEL", "Comezar", "Fin",
            "ben", "mal", "MOI BEN!", "REPASA",
            "Dividendo", "Divisor", "cifra", "Cociente", "Resto", "Baixar a cifra", "Luz",
            "Cifras ben: %1", "Cifras mal: %1", "Divisións ben: %1", "Divisións mal: %1",
            "Sinal do paso", "Signo de dividir", "ben", "mal", "División longa",
        ],
        "formulariomulti.txt": [
            "SAÍR", "RESULTADOS", "FONDOS", "Multiplicación: ", "MOI BEN!", "REPASA",
            "Primeiro número", "Segundo número", "Levo", "Fila 1", "Fila 2", "Resultado",
            "Comprobar a fila 1", "Comprobar a fila 2", "Comprobar o resultado",
            "Outra multiplicación, con outro número de cifras arriba", "Outra multiplicación, con unha ou dúas cifras abaixo",
            "unidades", "decenas", "centenas", "unidades de milleiro", "decenas de milleiro", "centenas de milleiro",
            "unidades de millón", "Sinal da comprobación", "Signo por", "Raia", "ben", "mal", "Multiplicación longa",
        ],
        "presentacion.txt": ["Nome", "ACEPTAR", "Escribe o teu nome"],
        "Resultados.txt": [
            "– os teus resultados", "Copiar", "Imprimir", "Aínda non hai ningún exercicio.",
            "Sumas", "Restas", "Multiplicacións", "Divisións", "Divisións longas", "Multiplicacións longas",
            "ben", "mal", "Total",
            "Que repasar",
            "Esquece sumar o que leva", "Resta o número menor do maior", "Cero menos un número dá ese número",
            "Suma o que leva antes de multiplicar", "Confunde un resultado da táboa",
            "Pon no cociente unha cifra pequena", "Pon no cociente unha cifra grande", "Esquece o cero do cociente",
            "Resta mal ao dividir", "Suma mal os produtos",
            "Descoidos", "veces", "por exemplo", "Ningún erro se repite.",
            "Cero menos un número dá cero", "Multiplica polo que leva", "Escribe as decenas e leva as unidades",
            "de",
            "contas nas que podía", "restas nas que podía", "restas nas que podía", "multiplicacións nas que podía",
            "contas nas que podía", "divisións nas que podía", "divisións nas que podía", "divisións nas que podía",
            "divisións nas que podía", "multiplicacións nas que podía", "restas nas que podía", "multiplicacións nas que podía",
            "multiplicacións nas que podía",
        ],
    },
}


def write(path, lines, encoding):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode(encoding))


def main():
    for rel, lines in FILES.items():
        write(os.path.join(OUT, rel), lines, "cp1252")
    for code, files in TRANSLATIONS.items():
        assert sorted(files) == sorted(os.path.basename(r) for r in FILES if r.startswith("idioma/")), code
        for name, lines in files.items():
            spanish = FILES["idioma/" + name]
            assert len(lines) == len(spanish), (code, name)
            # a line that ends in a blank in Spanish (a head the program writes a text after) does so here too
            assert all(bool(l.strip()) and l.endswith(" ") == s.endswith(" ") and ("%1" in l) == ("%1" in s)
                       for l, s in zip(lines, spanish)), (code, name)
            write(os.path.join(OUT, "idioma", code, name), lines, "utf-8")


if __name__ == "__main__":
    main()
