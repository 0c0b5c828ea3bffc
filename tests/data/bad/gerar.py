#!/usr/bin/env python3
"""Writes the damaged layouts and templates of this folder.

Each file is a valid layout or template broken in one way. The messages the
program gives for them are recorded beside them (see README.md).
"""
import struct

def i16(v): return struct.pack('<h', v)
def i32(v): return struct.pack('<i', v)
def s(t): return struct.pack('<H', len(t)) + t

def cabecalho(v): return ('MobrixEdit 1.0(%s)' % v).encode().ljust(32, b' ')

def item(texto, tipo=0):
    return [('Texto', s(texto)), ('Fonte.Nome', s(b'Arial')), ('Fonte.Tamanho', i16(10)),
            ('Fonte.Estilos', i16(0) + i16(-1) + i16(0) + i16(0)), ('Esquerda', i32(0)), ('Largura', i32(64)),
            ('Linhas', b'0001000000'), ('Atributos', b'0000100010'), ('Cores', bytes([3, 99, 5, 2])),
            ('Tipo', bytes([tipo]))]

def banda(altura, itens, comentario=b'', n_itens=None, descritor=None):
    n = len(itens) if n_itens is None else n_itens
    desc = descritor if descritor is not None else i16(1) + i32(len(itens)) + i32(1)
    campos = [('Topo', i32(0)), ('Altura', i32(altura)), ('Deslocamento', i32(0)), ('Comentario', s(comentario)),
              ('NumItens', i16(n)), ('Descritor', desc)]
    for it in itens:
        campos += item(*it)
    return campos

def config(quebras=None):
    q = quebras if quebras is not None else i16(2) + i16(1) + i32(2) + i32(1) + i16(2) + i16(1)
    return [('Booleanos', i16(0) * 3), ('NomeImpressora', s(b'HP')), ('QuebraFinal', i16(0)), ('QualidadeJPG', i16(92)),
            ('FormatoEmail', i16(1)), ('TextoEmail', s(b'Segue{ENTER}o relatorio')), ('FimCabecalho', i32(1)),
            ('Margens', s(b'"5"') + s(b'"0"')), ('InicioRodape', i32(0)), ('Quebras', q), ('TemCapa', i16(0)),
            ('EnviarEmail', i16(0)), ('MargemInferior', s(b'"0"'))]

def layout(bandas, num=None, cfg=None):
    campos = [('Cabecalho', cabecalho('t')), ('NumBandas', i16(len(bandas) if num is None else num))]
    for b in bandas:
        campos += b
    return campos + (config() if cfg is None else cfg)

def juntar(campos): return b''.join(v for _, v in campos)

def gravar(nome, dados):
    with open(nome, 'wb') as f:
        f.write(dados)

BOM = [banda(18, [(b'Titulo', 0), (b'"logo.bmp"', 1)]), banda(-30, [(b'NOME', 2)], b'antes\xffdepois')]

# Truncated at every field: the file ends right after the field before it.
campos = layout(BOM)
fim = 0
for k, (nome, valor) in enumerate(campos[1:], start=1):
    fim += len(campos[k - 1][1])
    gravar('truncado-%02d-antes-de-%s.mbx' % (k, nome), juntar(campos)[:fim])
    if len(valor) > 1:  # and once in the middle of it
        gravar('truncado-%02d-dentro-de-%s.mbx' % (k, nome), juntar(campos)[:fim + len(valor) // 2])

gravar('bandas-zero.mbx', juntar(layout(BOM, num=0)))
gravar('bandas-negativo.mbx', juntar(layout(BOM, num=-3)))
gravar('bandas-enorme.mbx', juntar(layout(BOM, num=32767)))
gravar('itens-zero.mbx', juntar(layout([banda(18, [], descritor=i16(0))])))
gravar('itens-negativo.mbx', juntar(layout([banda(18, [(b'x', 0)], n_itens=-1)])))
gravar('itens-enorme.mbx', juntar(layout([banda(18, [(b'x', 0)], n_itens=30000, descritor=i16(1) + i32(30000) + i32(1))])))
gravar('itens-diferente-do-descritor.mbx', juntar(layout([banda(18, [(b'x', 0)], n_itens=2)])))
gravar('descritor-2-dimensoes.mbx', juntar(layout([banda(18, [(b'x', 0)], descritor=i16(2) + i32(1) + i32(1) + i32(1) + i32(1))])))
gravar('descritor-limite-0.mbx', juntar(layout([banda(18, [(b'x', 0)], descritor=i16(1) + i32(1) + i32(0))])))
gravar('descritor-elementos-negativos.mbx', juntar(layout([banda(18, [(b'x', 0)], descritor=i16(1) + i32(-1) + i32(1))])))
gravar('quebras-descritor-2-dimensoes.mbx', juntar(layout(BOM, cfg=config(i16(1) + i16(2) + i32(1) + i32(1) + i32(1) + i32(1) + i16(1)))))
gravar('quebras-contagem-negativa.mbx', juntar(layout(BOM, cfg=config(i16(-2) + i16(0)))))
gravar('quebras-enorme.mbx', juntar(layout(BOM, cfg=config(i16(30000) + i16(1) + i32(30000) + i32(1) + i16(1)))))
texto_longo = [('Cabecalho', cabecalho('t')), ('NumBandas', i16(1))] + banda(18, [(b'x', 0)])
texto_longo[-10] = ('Texto', struct.pack('<H', 60000) + b'x' * 40)
gravar('texto-mais-longo-que-o-arquivo.mbx', juntar(texto_longo))
gravar('comentario-mais-longo-que-o-arquivo.mbx', cabecalho('t') + i16(1) + i32(0) + i32(18) + i32(0) + struct.pack('<H', 65535) + b'abc' * 30)
for tag in ('u', 'T', 'z'):
    gravar('versao-%s.mbx' % tag, cabecalho(tag) + juntar(layout(BOM))[32:])
gravar('cabecalho-outro-programa.mbx', b'%PDF-1.4 nao e um layout' + b'\0' * 40)
gravar('vazio.mbx', b'')

# Language templates: version 1 and eight length-prefixed fields.
campos_lin = [('Versao', i32(1))] + [('Campo%d' % k, s(b'WRITE \'\xa7c\'')) for k in range(8)]
fim = 0
for k, (nome, valor) in enumerate(campos_lin[1:], start=1):
    fim += len(campos_lin[k - 1][1])
    gravar('truncado-%02d-antes-de-%s.lin' % (k, nome), juntar(campos_lin)[:fim])
gravar('versao-2.lin', i32(2) + juntar(campos_lin)[4:])
gravar('versao-negativa.lin', i32(-1) + juntar(campos_lin)[4:])
gravar('campo-mais-longo-que-o-arquivo.lin', i32(1) + struct.pack('<H', 65535) + b'abc')
gravar('vazio.lin', b'')
